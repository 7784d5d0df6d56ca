#include "runtime.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace basic {

void fail(int code, const Where& where) {
    throw RuntimeError{code, static_cast<int>(where.line()), where.file_name()};
}

float finite(float v, const Where& where) {
    if (!std::isfinite(v)) fail(kOverflow, where);
    return v;
}

float DIV(float a, float b, const Where& where) {
    if (b == 0.0f) fail(kDivideByZero, where);
    return finite(a / b, where);
}

float SQR(float a, const Where& where) {
    if (a < 0.0f) fail(kIllegalCall, where);
    return std::sqrt(a);
}

float POW(float a, float b, const Where& where) {
    if (a == 0.0f && b < 0.0f) fail(kDivideByZero, where);
    float r = std::pow(a, b);
    if (std::isnan(r)) fail(kIllegalCall, where);
    return finite(r, where);
}

float ATN(float a) { return std::atan(a); }
float INT(float a) { return std::floor(a); }
float FIX(float a) { return std::trunc(a); }

int CINT(float a, const Where& where) {
    if (!std::isfinite(a)) fail(kOverflow, where);
    float r = std::nearbyint(a);  // the default rounding mode: halves to even
    if (r < -32768.0f || r > 32767.0f) fail(kOverflow, where);
    return static_cast<int>(r);
}

std::string STR_S(float v) {
    if (std::isnan(v)) return " NaN";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
    std::string s = buf;
    // Drop trailing zeros of a fraction and the exponent's leading zeros.
    std::size_t e = s.find('E');
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string expo = e == std::string::npos ? "" : s.substr(e);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    if (!expo.empty()) {
        char sign = expo[1];
        std::string digits = expo.substr(2);
        while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
        expo = std::string("E") + sign + digits;
    }
    std::string body = mant + expo;
    const bool negative = body[0] == '-';
    if (negative) body.erase(0, 1);
    // No leading zero before the point: "0.5" is written ".5".
    if (body.rfind("0.", 0) == 0) body.erase(0, 1);
    // A space stands where a minus would; -0 is written as 0.
    std::string out(1, negative && body != "0" ? '-' : ' ');
    out += body;
    return out;
}

float VAL(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        char c = s[i];
        if (c >= '0' && c <= '9') { num += c; digits = true; }
        else if (c == '.' && !point) { num += c; point = true; }
        else break;
        ++i;
    }
    if (!digits) return 0.0f;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ex += s[j++];
        bool ed = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') { ex += s[j++]; ed = true; }
        if (ed) num += ex;
    }
    float v = std::strtof(num.c_str(), nullptr);
    return std::isfinite(v) ? v : 0.0f;
}

std::string CHR_S(float code, const Where& where) {
    int c = CINT(code, where);
    if (c < 0 || c > 255) fail(kIllegalCall, where);
    return std::string(1, static_cast<char>(c));
}

float ASC(std::string_view s, const Where& where) {
    if (s.empty()) fail(kIllegalCall, where);
    return static_cast<unsigned char>(s[0]);
}

}  // namespace basic

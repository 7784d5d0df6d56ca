// The random seed, fractions of whole numbers written as formula texts, and
// markup stripping. No lesson screen calls these; they are toolkit
// facilities.
#include <cmath>
#include <utility>

#include "number_text.h"
#include "toolkit.h"

namespace {

const std::string& bar() {  // "ﾀ": opens and closes a fraction
    static const std::string s = "ﾀ"_sj;
    return s;
}

// The remainder of a by b (b not 0), with the quotient rounded down.
float remainder_of(float a, float b) { return a - b * basic::INT(basic::DIV(a, b)); }

// x with the sign turned, never -0.
float negated(float x) { return 0.0f - x; }

}  // namespace

void Toolkit::RESEED_RANDOM() {
    // hours + minutes + seconds, 0 to 141
    const std::string t1 = rt.clock(), t2 = rt.clock(), t3 = rt.clock();
    A = basic::VAL(cp932::mid(t1, 1, 2)) + basic::VAL(cp932::mid(t2, 4, 2)) + basic::VAL(cp932::right(t3, 2));
    rt.randomize(basic::CINT(A));
}

void Toolkit::GCD_LCM() {
    X1 = DS;
    X2 = DB;
    LB8 = X1 * X2;
    while (X2 != 0) {
        X1 = remainder_of(X1, X2);
        std::swap(X1, X2);
    }
    X3 = X1;
    // 0 and 0 have no common divisor to divide by: both results are 0.
    X4 = X3 == 0 ? 0 : basic::DIV(LB8, X3);
}

void Toolkit::FRACTION_TEXT() {
    DB1 = DB;
    DS1 = DS;
    YAK1 = DB * DS < 0 ? -1 : 1;
    if (DB == 0) {
        E1 = DS;
        E2 = 0;
        YAK = 0;
    } else if (DB == 1) {
        E1 = DS;
        E2 = 1;
        YAK = 1;
    } else {
        DS = std::fabs(DS);
        DB = std::fabs(DB);
        GCD_LCM();
        E1 = basic::DIV(YAK1 * DS, X3);
        E2 = basic::DIV(DB, X3);
        if (E1 == 0 || E2 == 1) YAK = 1;
        else if (E2 == DB1 && YAK1 == 1) YAK = 3;
        else YAK = 2;
    }
    DS = E1;
    DB = E2;

    DS1_S = number_text(*this, DS1);
    DA1_S = number_text(*this, DB1);
    DB_S = number_text(*this, DB);
    DS_S = number_text(*this, DS);
    A1_S = bar() + DS1_S + "/" + DA1_S + bar();
    LEM = static_cast<float>(cp932::klen(DS_S));
    A_S = cp932::kleft(DS_S, 1);
    if (A_S == "-") DS_S = cp932::kright(DS_S, static_cast<long>(LEM) - 1);

    const std::string reduced = bar() + DS_S + "/" + DB_S + bar();
    switch (static_cast<int>(YAK)) {
    case 1:
        A2_S = YAK1 == -1 ? "-" + DS_S : DS_S;
        A21_S = YAK1 == -1 ? A2_S : "+" + DS_S;
        break;
    case 2:
        A2_S = YAK1 == -1 ? "-" + reduced : reduced;
        A21_S = YAK1 == -1 ? A2_S : "+" + reduced;
        break;
    case 3:
        A2_S = A1_S;
        A21_S = "+" + A1_S;
        break;
    default:
        // A zero denominator has no value: no value texts, and the
        // "equations" show the caller's fraction alone.
        A2_S.clear();
        A21_S.clear();
        break;
    }
    FDS1_S = YAK1 == 1 ? "+" : "";
    if (YAK == 3) {
        A3_S = A2_S;
        A31_S = A21_S;
    } else if (YAK == 0) {
        A3_S = A1_S;
        A31_S = FDS1_S + A1_S;
    } else {
        A3_S = A1_S + "=" + A2_S;
        A31_S = FDS1_S + A1_S + "=" + A21_S;
    }

    A_S = A2_S;
    STRIP_MARKUP();
    TKAI1_S = A_S;
    A_S = A21_S;
    STRIP_MARKUP();
    TKAI2_S = A_S;
}

void Toolkit::FRACTION_SUM_TEXT() {
    // A negative denominator hands its sign to the numerator; this also
    // makes two negative parts the positive fraction they are.
    if (DBM1 < 0) {
        DSM1 = negated(DSM1);
        DBM1 = negated(DBM1);
    }
    if (DBM2 < 0) {
        DSM2 = negated(DSM2);
        DBM2 = negated(DBM2);
    }

    if (DBM1 == 0 || DBM2 == 0) {
        // A zero denominator has no sum: every result is 0 or empty.
        DB = DS1 = DS2 = DS4 = 0;
        for (std::string* s : {&DB_S, &DS4_S, &B1_S, &B2_S, &DS1_S, &DS2_S, &DS3_S, &A1_S, &A11_S, &A2_S, &A21_S,
                               &A3_S, &A4_S, &A41_S, &A5_S, &B3_S, &B4_S, &A_S})
            s->clear();
        return;
    }

    if (DBM1 == 1 && DBM2 == 1) {
        DB = 1;
        DS1 = DSM1;
        DS2 = DSM2;
    } else if (DBM1 == 1) {
        DB = DBM2;
        DS1 = DSM1 * DBM2;
        DS2 = DSM2;
    } else if (DBM2 == 1) {
        DB = DBM1;
        DS1 = DSM1;
        DS2 = DSM2 * DBM1;
    } else {
        // FRACTION_TEXT's call of GCD_LCM leaves the two denominators'
        // greatest common divisor in X3 and least common multiple in X4.
        DB = std::fabs(DBM2);
        DS = std::fabs(DBM1);
        FRACTION_TEXT();
        DB = X4;
        DS1 = basic::DIV(DSM1 * DBM2, X3);
        DS2 = basic::DIV(DSM2 * DBM1, X3);
    }
    DS4 = DS1 + DS2;

    DS1_S = B1_S = number_text(*this, std::fabs(DS1));
    DB_S = number_text(*this, DB);
    DS2_S = B2_S = number_text(*this, std::fabs(DS2));
    DS4_S = number_text(*this, std::fabs(DS4));

    // A fraction over DB with its sign in front; 0 counts as negative.
    auto signed_fraction = [this](float sign, const std::string& numerator, std::string& plain,
                                  std::string& with_plus) {
        if (sign > 0) {
            plain = bar() + numerator + "/" + DB_S + bar();
            with_plus = "+" + plain;
        } else {
            plain = "-" + bar() + numerator + "/" + DB_S + bar();
            with_plus = plain;
        }
    };
    signed_fraction(DSM1, DS1_S, A1_S, A11_S);
    signed_fraction(DSM2, DS2_S, A2_S, A21_S);
    if (DSM1 < 0) {
        DS3_S = DS1_S;
        DS1_S = "-" + DS1_S;
    }
    DS2_S = (DSM2 < 0 ? "-" : "+") + DS2_S;
    signed_fraction(DS4, DS4_S, A4_S, A41_S);
    A3_S = bar() + DS1_S + DS2_S + "/" + DB_S + bar();
    A5_S = A1_S + A21_S;
    B3_S = bar() + B1_S + "/" + DB_S + bar();
    B4_S = bar() + B2_S + "/" + DB_S + bar();
}

void Toolkit::STRIP_MARKUP() {
    // Searched character by character, so that a double-byte character whose
    // second byte has the value of a markup byte ("タ" is 83 5E) stays whole.
    static const std::string raise = "^", radical_end = "ﾝ"_sj, fraction = "ﾀ"_sj, equals = "=";
    const struct {
        const std::string& mark;
        float Toolkit::*found;
    } marks[] = {{raise, &Toolkit::TA1}, {radical_end, &Toolkit::TA2}, {fraction, &Toolkit::TA3}, {equals, &Toolkit::TA3}};
    for (const auto& m : marks) {
        for (long at; (at = cp932::kinstr(A_S, m.mark)) > 0;) {
            this->*m.found = static_cast<float>(at);
            A_S = cp932::kleft(A_S, at - 1) + cp932::kmid(A_S, at + 1);
        }
    }
}

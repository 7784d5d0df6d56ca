// Divisors with their co-divisors, prime factors up to 23, and the ladder of
// short divisions that shows a factorisation.
#include <cmath>

#include "toolkit.h"
#include "whole32.h"

void Toolkit::DIVISOR_PAIRS() {
    DY = std::fabs(DY);
    P = 0;
    const float full = static_cast<float>(X_A.bound());
    II = 1;
    do {
        const float co = basic::DIV(DY, II);
        if (co == basic::INT(co)) {
            P = P + 1;
            X_A(P) = II;
            Y_A(P) = co;
            // The lists hold 40 entries: the scan ends when they are full.
            if (P >= full) break;
        }
        // Above 2^24 adding 1 no longer changes a single-precision number.
        if (II + 1 == II) break;
        II = II + 1;
    } while (II <= DY);
    // A perfect square's middle divisor pairs with itself, so an odd count
    // of divisors rounds up.
    KOSUU = basic::INT(P / 2 + 0.5f);
}

void Toolkit::FACTORISE() {
    TJ = 1;
    {
        const float last = 10;
        do {
            G_A(TJ, 1) = 0;
            G_A(TJ, 2) = 0;
            TJ = TJ + 1;
        } while (TJ <= last);
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 0; k < 10; ++k) R_A(k + 1) = primes[k];

    SOSU = std::fabs(SOSU);
    SOSU1 = SOSU;
    P = 1;
    Q = 1;
    // 0 is divisible by every prime and would never end; a number that is
    // not a whole 32-bit one has nothing to take out either.
    if (!is_whole32(SOSU) || SOSU < 1) P = 10;
    for (;;) {
        if (P == 10) {
            Q = Q - 1;
            G_A(10, 1) = SOSU;
            G_A(10, 2) = 1;
            SOSU = SOSU1;
            return;
        }
        if (whole32_remainder(SOSU, R_A(P)) == 0) {
            G_A(Q, 1) = R_A(P);
            G_A(Q, 2) = G_A(Q, 2) + 1;
            SOSU = basic::DIV(SOSU, R_A(P));
            continue;
        }
        if (G_A(Q, 1) != 0) Q = Q + 1;
        P = P + 1;
    }
}

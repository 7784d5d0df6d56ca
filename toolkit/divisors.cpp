// Divisors with their co-divisors, prime factors up to 23, and the ladder of
// short divisions that shows a factorisation.
#include <cmath>

#include "toolkit.h"
#include "whole32.h"

void Toolkit::DIVISOR_PAIRS() {
    DY = std::fabs(DY);
    P = 0;
    // Above 2^24 a Number no longer holds every whole number, so quotients
    // that are not whole look whole: such a number gets no list. The trial
    // divisor stands where the scan of 2^24 leaves it.
    if (DY > 16777216.0f) {
        II = 16777216.0f;
        KOSUU = 0;
        return;
    }
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

void Toolkit::DIVISION_LADDER() {
    // A number with no prime factor up to 23 has no ladder: its first slot
    // is empty, and dividing by it is no step.
    if (Q < 1) {
        NASI = 0;
        return;
    }
    TA = SOSU;
    TA1 = static_cast<float>(cp932::klen(basic::STR_S(TA)));
    // The last quotient at the bottom is the last prime itself, unless a
    // factor above 23 remains: then that factor is, and the last prime takes
    // all its steps.
    const bool factor_remains = G_A(10, 1) != 1;
    II = 1;
    {
        const float last = Q;
        do {
            A_S = basic::STR_S(G_A(II, 1));
            REMOVE_SPACES();
            SO_S = A_S;
            N = G_A(II, 2);
            if (II == last && !factor_remains) N = N - 1;
            // The count is read once (the key wait's prompt text uses N);
            // a count of 0 takes no step.
            const float steps = N;
            for (J = 1; J <= steps; J = J + 1) {
                CCC1 = 0;
                X = XTAKE;
                Y = YTAKE;
                AA_S = SO_S + ")";
                DRAW_TEXT();

                TA2 = static_cast<float>(cp932::klen(basic::STR_S(TA)));
                CCC1 = 0;
                X = XTAKE + 30 * (TA1 + 1 - TA2);
                Y = YTAKE;
                AA_S = basic::STR_S(TA);
                DRAW_TEXT();

                YTAKE = YTAKE + 46;
                rt.segment(XTAKE + 30, YTAKE, XTAKE + 30 * (TA1 + 1), YTAKE, 0);
                if (NASI == 1) WAIT_ANY_KEY();

                TA = basic::DIV(TA, G_A(II, 1));
                TA2 = static_cast<float>(cp932::klen(basic::STR_S(TA)));
                YTAKE = YTAKE + 18;
                CCC1 = 0;
                X = XTAKE + 30 * (TA1 + 1 - TA2);
                Y = YTAKE;
                AA_S = basic::STR_S(TA);
                DRAW_TEXT();
                if (NASI == 1) WAIT_ANY_KEY();
            }
            II = II + 1;
        } while (II <= last);
    }
    NASI = 0;
}

// Start-up of every program and the run-time error screen.
#include "toolkit.h"

Toolkit::Toolkit(platform::Platform& runtime, std::string title_sjis) : rt(runtime), title(std::move(title_sjis)) {}

int Toolkit::run() {
    // The try blocks are the program-wide error trap: any run-time error,
    // however deep, ends here and is shown until the window is closed.
    try {
        try {
            START_UP();
            MAIN_MENU();
        } catch (const basic::RuntimeError& error) {
            ERROR_HANDLER(error);
            rt.finish();
            return 2;
        }
    } catch (const platform::ProgramEnd&) {
        rt.finish();
        return on_error_screen_ ? 2 : 0;
    }
    rt.finish();
    return 0;
}

void Toolkit::START_UP() {
    rt.set_map_mode(1);
    rt.maximize_window();
    rt.set_font_name("ｺﾞｼｯｸ"_sj);
    rt.set_font_size(16);
    rt.set_line_width(3);

    RESEED_RANDOM();

    CCC1 = 4;
    KAIX = 1056;
    KAIY = 648;
    TITLE_S = title;
    SAIGO = 23;

    F_S_A = basic::TextArray(40);
    F_A = basic::NumArray(40);
    T_S_A = basic::TextArray(80);
    T_A = basic::NumArray(80);
    SFU_A = basic::NumArray(static_cast<int>(SAIGO));
    TANI_S_A = basic::TextArray(6);
    TKAI_S_A = basic::TextArray(5, 2);
    KKAI_S_A = basic::TextArray(10);
    XW_A = basic::NumArray(5);
    YW_A = basic::NumArray(5);
    G_A = basic::NumArray(10, 2);
    X_A = basic::NumArray(40);
    Y_A = basic::NumArray(40);
    R_A = basic::NumArray(10);
    H_A = basic::NumArray(10);
    HH_A = basic::NumArray(10);
    X_S_A = basic::TextArray(20);
    Y_S_A = basic::TextArray(20);
    XX_A = basic::NumArray(5);
    YY_A = basic::NumArray(5);
    RAB_S_A = basic::TextArray(10);
    RABM_S_A = basic::TextArray(10);
    R1B_S_A = basic::TextArray(10);
    U_A = basic::NumArray(40);
    V_A = basic::NumArray(40);
}

void Toolkit::ERROR_HANDLER(const basic::RuntimeError& error) {
    on_error_screen_ = true;
    rt.clear();
    A = static_cast<float>(error.line);
    A_S = basic::STR_S(A);
    B = static_cast<float>(error.code);
    B_S = basic::STR_S(B);
    rt.text(288, 432, A_S + "," + B_S + "エラーが発生しました。マウスで×をクリックして下さい。"_sj, 13, 1, 1);
    // Nothing is resumed: keys are read and dropped until the window closes.
    for (;;) rt.poll_key();
}

// The lesson toolkit: one object per program run holds every shared variable
// of the lessons (numbers as float, texts as code page 932 strings, arrays
// indexed from 0 to their bound) and the platform. Toolkit routines are its
// member functions; they take their inputs from the variables the caller set
// and leave their results in variables, as the lessons expect. A lesson
// program derives from it with its own variables and screens.
//
// Naming: a text variable AA$ is AA_S, an array X() is X_A, F$() is F_S_A.
#pragma once

#include <string>

#include "cp932.h"
#include "platform.h"
#include "runtime.h"

// Keeps the caller's line width for one routine: the width is given back on
// every way out, also when a run-time error leaves the routine.
class LineWidthKeeper {
public:
    explicit LineWidthKeeper(platform::Platform& rt) : rt_(rt), width_(rt.line_width()) {}
    ~LineWidthKeeper() { rt_.set_line_width(width_); }
    LineWidthKeeper(const LineWidthKeeper&) = delete;
    LineWidthKeeper& operator=(const LineWidthKeeper&) = delete;

private:
    platform::Platform& rt_;
    float width_;
};

class Toolkit {
public:
    Toolkit(platform::Platform& runtime, std::string title);
    virtual ~Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // Runs the program: start-up, then the main menu until its end entry.
    // Returns the exit status: 0, or 2 when it ended on the error screen.
    int run();

    // ---- Start-up and the error screen (startup.cpp)
    void START_UP();
    // Shows the error screen and waits until the window is closed.
    void ERROR_HANDLER(const basic::RuntimeError& error);
    // The program's main menu; returns when its end entry is chosen.
    virtual void MAIN_MENU() = 0;

    // ---- Prompt text (prompt_text.cpp)
    void TO_FULL_WIDTH();
    void REMOVE_SPACES();
    void PUT_CHARS();
    void PUT_TEXT();

    // ---- Number prompts and entry (number_entry.cpp)
    void ASK_NUMBER();
    void ERASE_NUMBER_PROMPT();
    void ASK_NUMBER_BOTTOM();
    void ERASE_BOTTOM_LINE();
    void READ_NUMBER();
    void EDIT_NUMBER_KEYS();
    void PARSE_NUMBER();
    // The main menus' entry number: the number that the typed text AINP_S
    // starts with, as a whole number; 0 when it can be no entry at all.
    int typed_entry_number() const;

    // ---- Key waits, message boxes, small screen routines (key_waits.cpp)
    void WAIT_ANY_KEY();
    void SHOW_MESSAGE_WAIT();
    void CLOSE_MESSAGE();
    void ASK_NEXT_STEP();
    void CLEAR_MAIN_AREA();
    void CLEAR_STRIP();
    void VALUES_TO_TEXTS();
    void KEY_TO_INDEX();
    void FLUSH_KEYS();

    // ---- Formula text and glyph renderer (formula_text.cpp, glyphs.cpp)
    void DRAW_TEXT();
    void DRAW_FRACTION();
    void MEASURE_TEXT();
    void DRAW_TEXT_RUN();

    // ---- Plain text (plain_text.cpp)
    void DRAW_PLAIN_TEXT();
    void MEASURE_PLAIN_TEXT();
    void WRAP_NEGATIVE();

    // ---- Table cells and boxed texts (cells.cpp, boxed_text.cpp)
    void DRAW_CELL();
    void DRAW_CELL_ON_LINE();
    void DRAW_CELL_TWO_LINES();
    // An answer blank: a cell on the line at (x, y) showing its placeholder,
    // its place kept in T(k) and F(k); the paragraph cursor YI1, XI2 moves on
    // past it. The caller sets the cell's colours and size first.
    void answer_blank(float k, float x, float y, const std::string& placeholder);
    // The answer drawn over blank k, in the cell style the caller set.
    void answer_in_blank(float k, const std::string& answer);
    void DRAW_BOXED_TEXT();
    void DRAW_BOXED_TEXT_TWO_LINES();

    // ---- Figure frame and polygon (frame.cpp)
    void DRAW_GRID();
    void DRAW_POLYGON();
    void LABEL_POLYGON_LETTERS();
    void LABEL_POLYGON_NAMES();

    // ---- Directions and angle size (directions.cpp)
    void ANGLE_ARMS();
    void DIRECTION_ANGLE();
    void ANGLE_SIZE_TEXT();

    // ---- Marks (marks.cpp, span_arc.cpp, segment_marks.cpp)
    void DRAW_ANGLE_MARK();
    void DRAW_RIGHT_ANGLE();
    void LABEL_ANGLE();
    void DRAW_SPAN_ARC();
    void DRAW_PARALLEL_MARKS();
    void DRAW_EQUAL_MARKS();

    // ---- Intersections (intersections.cpp, line_points.cpp)
    void FOOT_OF_PERPENDICULAR();
    // Returns whether the two lines meet in one point.
    bool INTERSECT_LINES();
    void RADICAL_AXIS();
    void CIRCLE_LINE_POINTS();
    void POINT_ON_LINE();
    void SPAN_ARC_POINT();

    // ---- Fractions, divisors, roots, signs (fractions.cpp, divisors.cpp, sqrt.cpp, signs.cpp)
    void RESEED_RANDOM();
    void FRACTION_TEXT();
    void GCD_LCM();
    void FRACTION_SUM_TEXT();
    void STRIP_MARKUP();
    void SIMPLIFY_SQRT();
    void DIVISOR_PAIRS();
    void FACTORISE();
    void DIVISION_LADDER();
    void NEGATE_TEXT();
    void STRIP_PLUS();
    void STRIP_SIGN();

    // ---- Coordinate plane, graphs, arrows, braces (arrows.cpp, plane.cpp, graphs.cpp, brace.cpp)
    void DRAW_ARROW();
    void DRAW_SLOPE_TRIANGLE();
    void SLOPE_RUN_LABEL();
    void SLOPE_RISE_LABEL();
    void DRAW_AXES();
    void DRAW_TICK_NUMBERS();
    void PLOT_POINT();
    void PLOT_GRAPH();
    void PLOT_GRAPH_DOTS();
    void PLOT_VERTICAL_LINE();
    void DRAW_BRACE();
    void DRAW_COLUMN_CALC();

    // ---- Helpers for calling the platform with the lessons' numbers
    // A palette number from a colour variable.
    static int colour(float c, const basic::Where& w = basic::Where::current()) { return basic::CINT(c, w); }
    // The angle of the marks and labels from figure points by number: the
    // vertex (ZX0, ZY0) and the arm points (ZX1, ZY1), (ZX2, ZY2) from X_A, Y_A.
    void set_angle_points(float vertex, float first, float second);
    // Draws `text` (DRAW_TEXT) at (x, y) in colour c and moves the paragraph
    // cursor after it: YI1 = Y, XI2 = X.
    void paragraph_text(float x, float y, float c, const std::string& text);

private:
    // Sets the label angle (ZX0 .. ZY2, ITI, NAGASA) for polygon vertex k.
    void aim_label_at_vertex(float k);
    // The span arc laid level (CX, CY, RR, ZX2, ZY2, H) and its point at an
    // angle in radians along it (ZX, ZY), shared by the arc and its point.
    void lay_span_arc_level();
    void span_arc_point_at(float radians);
    // The key waits' message box, and the wait for one key into I_S.
    void open_message_box(float left, float right);
    void wait_for_key();

    bool on_error_screen_ = false;

public:
    platform::Platform& rt;  // the graphics, text and keyboard runtime
    const std::string title;  // the program's title, code page 932

    // ---- The shared variables. Every number starts at 0, every text empty.
    float
        A = 0, A1 = 0, A2 = 0, AA = 0, AA1 = 0, AA2 = 0, AAAX = 0, AAAY = 0, AIDA = 0, AIDA1 = 0, AINP = 0, AX = 0,
        AX1 = 0, AX2 = 0, AY = 0, AY1 = 0, AY2 = 0, B = 0, B1 = 0, B2 = 0, BAIX = 0, BAIY = 0, BB = 0, BB1 = 0,
        BB2 = 0, BUN = 0, BX = 0, BX1 = 0, BY = 0, BY1 = 0, C = 0, CC = 0, CCC0 = 0, CCC1 = 0, CCC2 = 0, CCC3 = 0,
        CX = 0, CY = 0, D = 0, D1 = 0, D2 = 0, DB = 0, DB1 = 0, DBM1 = 0, DBM2 = 0, DR = 0, DS = 0, DS1 = 0,
        DS2 = 0, DS4 = 0, DSM1 = 0, DSM2 = 0, DX = 0, DY = 0, E1 = 0, E2 = 0, EX = 0, EY = 0, FKIG = 0, GGX = 0,
        GGY = 0, GX = 0, GX0 = 0, GX1 = 0, GX2 = 0, GX3 = 0, GX4 = 0, GX5 = 0, GY = 0, GY0 = 0, GY1 = 0, GY2 = 0,
        GY3 = 0, GY4 = 0, GY5 = 0, H = 0, HABA = 0, HH = 0, HH1 = 0, HH2 = 0, HH3 = 0, HH4 = 0, HH5 = 0, HHKIG = 0,
        HHP = 0, HONSU = 0, HOUKOU = 0, HROOT = 0, I = 0, IB8 = 0, II = 0, IROIRO = 0, ITI = 0, J = 0, JYOU = 0,
        JYOUK = 0, KAIX = 0, KAIY = 0, KAKKO = 0, KAKKO1 = 0, KAKU = 0, KAKUDO = 0, KASANARIX = 0, KASANARIY = 0,
        KB8 = 0, KJ1 = 0, KJ2 = 0, KJ3 = 0, KOSUU = 0, L = 0, LB8 = 0, LE = 0, LEM = 0, LLT = 0, LT = 0, LT1 = 0,
        LT2 = 0, MUKI = 0, MU_DO = 0, N = 0, N1 = 0, NAG = 0, NAGA = 0, NAGASA = 0, NAGASA1 = 0, NASI = 0, P = 0,
        P1 = 0, P2 = 0, PI = 0, Q = 0, R = 0, R1A = 0, R1B = 0, R1B1 = 0, R1I = 0, RR = 0, RR1 = 0, RR2 = 0,
        SAIGO = 0, SENTAKU = 0, SIZE = 0, SIZE1 = 0, SOSU = 0, SOSU1 = 0, TA = 0, TA1 = 0, TA2 = 0, TA3 = 0,
        TAKASA = 0, TATE = 0, TBBO = 0, TBSI = 0, TII = 0, TJ = 0, TX = 0, TXM = 0, TY = 0, X = 0, X1 = 0, X2 = 0,
        X3 = 0, X4 = 0, XG = 0, XI1 = 0, XI2 = 0, XI3 = 0, XT = 0, XTAKE = 0, XX = 0, XX1 = 0, Y = 0, Y1 = 0,
        Y2 = 0, Y22 = 0, Y3 = 0, Y4 = 0, Y7 = 0, YA = 0, YAK = 0, YAK1 = 0, YG = 0, YI1 = 0, YOKO = 0, YTAKE = 0,
        YY = 0, YY1 = 0, ZX = 0, ZX0 = 0, ZX1 = 0, ZX11 = 0, ZX12 = 0, ZX2 = 0, ZX3 = 0, ZX4 = 0, ZX5 = 0, ZY = 0,
        ZY0 = 0, ZY1 = 0, ZY11 = 0, ZY12 = 0, ZY2 = 0, ZY3 = 0, ZY4 = 0, ZY5 = 0;
    std::string
        A_S, A1_S, A11_S, A2_S, A21_S, A3_S, A31_S, A4_S, A41_S, A5_S, AA_S, AA1_S, AAA_S, AA_A_S, AINP_S, B_S,
        B1_S, B2_S, B3_S, B4_S, DA1_S, DB_S, DS_S, DS1_S, DS2_S, DS3_S, DS4_S, ENZAN_S, FDS1_S, HENK_S, HENK1_S,
        HENK2_S, HENK3_S, HYOUJI_S, I_S, KAKU1_S, KAKU2_S, KAKUDO_S, MOTOA_S, P1_S, P2_S, R_S, R1A_S, R1A1_S,
        R1B_S, RAB_S, RABM_S, RTASKAI1_S, RTASKAI2_S, SO_S, TITLE_S, TKAI1_S, TKAI2_S, X_S, X8_S, X9_S, Y_S;

    // The shared arrays, created by start-up (sizes there).
    basic::TextArray F_S_A, T_S_A, TANI_S_A, TKAI_S_A, KKAI_S_A, X_S_A, Y_S_A, RAB_S_A, RABM_S_A, R1B_S_A;
    basic::NumArray F_A, T_A, SFU_A, XW_A, YW_A, G_A, X_A, Y_A, R_A, H_A, HH_A, XX_A, YY_A, U_A, V_A;
};

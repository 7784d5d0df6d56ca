// Whole-program runs of section 1, the inscribed angle, driven by key scripts.
#include <gtest/gtest.h>
#include <pthread.h>

#include <cstdlib>
#include <cstring>

#include "harness.h"
#include "menu_runs.h"
#include "section1_tour.h"
#include "telmira.h"

namespace {

using platform::DrawOp;
using platform::OpKind;
using menu_runs::choices_of_run;
using menu_runs::count_if;
using menu_runs::is_key_wait;
using menu_runs::page_texts;
using menu_runs::per_menu_choice;

// A key after the main menu's end entry: when it stays unread, the program
// ended by that entry and not by running out of keys.
const std::string kLeftOver = "x";

bool is_message_wait(const DrawOp& op) { return menu_runs::is_box(op, 16, 657, 496, 693); }

// What the last menu choice of a section-1 script drew, the script run to
// the main menu's end entry.
std::vector<DrawOp> last_choice(const std::string& keys) {
    harness::RunResult r = harness::run_program<Telmira>(keys + "10\r9\r", "Telmira");
    EXPECT_EQ(r.status, 0);
    auto chunks = per_menu_choice(r.trace);
    if (chunks.size() < 2) {
        ADD_FAILURE() << "no menu choice before the section's end";
        return {};
    }
    return chunks[chunks.size() - 2];
}

bool has_disc(const std::vector<DrawOp>& trace, float x, float y, float r, int colour) {
    for (const DrawOp& op : trace)
        if (op.kind == OpKind::Disc && std::abs(op.v[0] - x) < 0.01f && std::abs(op.v[1] - y) < 0.01f &&
            op.v[2] == r && op.color == colour)
            return true;
    return false;
}

TEST(Section1, TourOfEveryScreenReturnsToTheMainMenu) {
    const std::string keys = section1_tour::whole_script() + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    auto chunks = choices_of_run(r, static_cast<int>(keys.size()) - 1);
    std::size_t k = 0;
    for (const auto& visit : section1_tour::visits()) {
        SCOPED_TRACE(visit.what);
        k += visit.menu_lines;
        ASSERT_LE(k, chunks.size());
        const auto& chunk = chunks[k - 1];
        EXPECT_EQ(count_if(chunk, is_key_wait), visit.key_waits);
        EXPECT_EQ(count_if(chunk, is_message_wait), visit.message_waits);
    }
    // The last asking is the "10" that leaves the section.
    EXPECT_EQ(chunks.size(), k + 1);

    const std::string texts = page_texts(r.trace);
    for (const char* own : {"円周角と中心角の大きさを調べよう。", "三角定規を使って10個とろう。",
                            "円周上にありそうだ！", "ABを除いた円周上に", "であるわけを考えよう。",
                            "理由は?", "同じ弧に対する円周角の大きさは等しい。", "円周角と中心角の関係"})
        EXPECT_NE(texts.find(own), std::string::npos) << own;
}

TEST(Section1, SundrelRunsTheSameSection) {
    const std::string keys = section1_tour::whole_script() + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Sundrel");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);
    EXPECT_NE(page_texts(r.trace).find("円周上にありそうだ！"), std::string::npos);
}

// The switch screens draw the figure from its set-up when nothing has set it
// up, or when another screen or section has put its own points in the shared
// arrays; otherwise from the state the arrow keys left.
TEST(Section1, SwitchesDrawTheSetUpFigureOrTheMovedOne) {
    struct Case {
        const char* what;
        std::string keys;
        float px, py;  // where P's dot is drawn last
    } const cases[] = {
        {"fresh start", "1\r7\r1\r\r", 603.87f, 246.00f},
        {"after the definition screen", "1\r2\rkkkk8\r1\r\r", 603.87f, 246.00f},
        {"after the set-square screen", "1\r1\r" + section1_tour::repeat("k", 26) + "7\r2\r\r", 603.87f, 246.00f},
        {"after P moved one step", "1\r6\r" + section1_tour::kRight + "\r7\r1\r\r", 624.66f, 216.30f},
        {"after the several-angles screen", "1\r9\r8\r1\r\r", 576, 350},
        {"after P moved, the main menu and back", "1\r6\r" + section1_tour::kRight + "\r10\r1\r7\r1\r\r", 624.66f, 216.30f},
        {"after P moved and another section", "1\r6\r" + section1_tour::kRight + "\r10\r2\r1\rk10\r1\r7\r1\r\r", 603.87f,
         246.00f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto last = last_choice(c.keys);
        EXPECT_TRUE(has_disc(last, c.px, c.py, 5, 5));
        EXPECT_FALSE(has_disc(last, 0, 0, 5, 5));
    }
}

// The title band and the figure area of the arrow-key figure, pixel by
// pixel, as a run (antialiasing off) leaves the page; not the title cell,
// whose border takes the line width the screen before left.
std::vector<int> figure_area_after(const std::string& keys) {
    platform::Platform rt{harness::headless_options(keys)};
    rt.clock = [] { return std::string("10:20:30"); };
    Telmira program(rt, "Telmira"_sj);
    EXPECT_EQ(program.run(), 0);
    std::vector<int> colours;
    auto take = [&](float x1, float y1, float x2, float y2) {
        for (float y = y1; y < y2; ++y)
            for (float x = x1; x < x2; ++x) {
                if (x >= 634 && x < 1078 && y >= 24 && y < 86) continue;
                const platform::Platform::Pixel p = rt.pixel(x, y);
                colours.push_back(p.r << 16 | p.g << 8 | p.b);
            }
    };
    take(520, 0, 1720, 91);
    take(544, 91, 1364, 640);
    return colours;
}

// Screens ⑥ to ⑧ never draw the figure over what another screen left in its
// area: the page there is the one a path straight to the same figure shows.
TEST(Section1, FigureAreaHoldsNothingOfTheScreenBefore) {
    const std::string set_square = "1\r" + section1_tour::repeat("k", 26);
    const std::string p_to_310 = "6\r" + section1_tour::repeat(section1_tour::kLeft, 3) + "\r";
    struct Case {
        const char* what;
        std::string keys, same_as;
    } const cases[] = {
        {"⑦ after the summary, one arrow key", "1\r5\r7\r1\r\x1c", "1\r7\r1\r\x1c"},
        {"⑧ after the summary", "1\r5\r8\r1\r", "1\r8\r1\r"},
        {"⑦ after the several angles", "1\r9\r7\r1\r", "1\r" + p_to_310 + "7\r1\r"},
        {"⑧ after the several angles", "1\r9\r8\r1\r", "1\r" + p_to_310 + "8\r1\r"},
        {"⑥ after the set-square screen", "1\r" + set_square + "6\r", "1\r6\r"},
        {"⑦ after the set-square screen", "1\r" + set_square + "7\r1\r", "1\r7\r1\r"},
        {"⑦ after the definition", "1\r2\rkkkk7\r1\r", "1\r7\r1\r"},
        {"⑦ after ⑥ and a round trip", "1\r6\r\r10\r1\r7\r1\r", "1\r7\r1\r"},
        {"⑦ after the summary and a round trip", "1\r5\r10\r1\r7\r1\r", "1\r7\r1\r"},
        {"⑧ after ⑦ and a round trip", "1\r7\r-3\r\r10\r1\r8\r1\r", "1\r8\r1\r"},
        {"⑧ after ⑧ and a round trip", "1\r8\r-1\r\r10\r1\r8\r1\r", "1\r8\r1\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<int> got = figure_area_after(c.keys), want = figure_area_after(c.same_as);
        std::size_t differ = 0;
        for (std::size_t i = 0; i < got.size(); ++i) differ += got[i] != want[i];
        EXPECT_EQ(differ, 0u);
    }
}

// Only screen ⑥ turns the angle values off: they stay in force for ⑦ and ⑧
// also when another screen or the main menu came in between and the switch
// screen has to set the figure up again.
TEST(Section1, ValueSwitchesStayOnUntilScreenSix) {
    const std::string set_square = "1\r" + section1_tour::repeat("k", 26);
    struct Case {
        const char* what;
        std::string keys;
        int apb_lines, aob_lines;  // value lines written by the last visit
    } const cases[] = {
        {"APB on, definition, then AOB on", "1\r7\r1\r\r2\rkkkk7\r2\r\r", 1, 1},
        {"both on, section left and entered, diameter", "1\r7\r1\r\r7\r2\r\r10\r1\r8\r1\r\r", 1, 1},
        {"AOB on, set-square screen, diameter", "1\r7\r2\r\r" + set_square + "8\r-1\r\r", 0, 1},
        {"APB on, then screen six", "1\r7\r1\r\r6\r\r", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int apb = 0, aob = 0;
        for (const DrawOp& op : last_choice(c.keys)) {
            if (op.kind != OpKind::Text || op.text != "∠" || op.v[0] != 974) continue;
            apb += op.v[1] == 90;
            aob += op.v[1] == 140;
        }
        EXPECT_EQ(apb, c.apb_lines);
        EXPECT_EQ(aob, c.aob_lines);
    }
}

TEST(Section1, NonWholeChoiceGoesToTheNearestEntry) {
    struct Case {
        const char* typed;
        int chords;  // colour-0 segments of screen ⑨
    } const cases[] = {{"9", 12}, {"8.6", 12}, {"44/5", 12}, {"9.4", 12}, {"9.5", 0}, {"9.99", 0}, {"10.5", 0}, {".5", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        harness::RunResult r = harness::run_program<Telmira>(std::string("1\r") + c.typed + "\r10\r9\r", "Telmira");
        EXPECT_EQ(r.status, 0);
        int chords = 0;
        for (const DrawOp& op : r.trace) chords += op.kind == OpKind::Segment && op.color == 0 && op.width == 5;
        EXPECT_EQ(chords, c.chords);
    }
}

// The definition screen takes all ten points to the screen in place on every
// visit; the ones it does not set must not grow from visit to visit.
TEST(Section1, DefinitionScreenAnyNumberOfTimes) {
    harness::StartedProgram<Telmira> started;
    Telmira& t = started.kit;
    for (int visit = 0; visit < 40; ++visit) {
        started.rt.push_keys("kkkk");
        t.INSCRIBED_ANGLE_DEFINITION();
        ASSERT_EQ(t.X_A(10), t.GX0) << visit;
        ASSERT_EQ(t.Y_A(10), t.GY0) << visit;
    }
}

TEST(Section1, DefinitionScreenAnyNumberOfTimesFromTheMenu) {
    const std::string keys =
        "1\r" + section1_tour::repeat("2\rkkkk", 40) + "8\r1\r\r10\r9\r" + kLeftOver;
    harness::RunResult r = harness::run_program<Telmira>(keys, "Telmira");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.keys_read, static_cast<int>(keys.size()) - 1);
    EXPECT_TRUE(has_disc(r.trace, 603.87f, 246.00f, 5, 5));
}

// How much of a thread's stack a run uses: the stack is painted before the
// run, and the deepest byte changed marks the high-water line.
struct StackUse {
    int status = -1;
    bool ended_by_menu = false;  // all keys read but the one left over
    std::size_t bytes = 0;
};

StackUse run_on_painted_stack(const std::string& keys) {
    constexpr std::size_t kSize = 8u << 20;
    constexpr unsigned char kPaint = 0xA5;
    auto* stack = static_cast<unsigned char*>(std::aligned_alloc(4096, kSize));
    std::memset(stack, kPaint, kSize);
    struct Job {
        std::string keys;
        harness::RunResult result;
    } job{keys, {}};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstack(&attr, stack, kSize);
    pthread_t thread;
    auto body = [](void* p) -> void* {
        auto* j = static_cast<Job*>(p);
        j->result = harness::run_program<Telmira>(j->keys, "Telmira");
        return nullptr;
    };
    EXPECT_EQ(pthread_create(&thread, &attr, body, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    std::size_t untouched = 0;
    while (untouched < kSize && stack[untouched] == kPaint) ++untouched;
    std::free(stack);
    return {job.result.status, job.result.keys_read == static_cast<int>(keys.size()) - 1, kSize - untouched};
}

std::string round_trips(int n) {
    // A screen and back, a switch screen through the key loop and back, and
    // the section left for the main menu and entered again.
    std::string s = "1\r";
    for (int i = 0; i < n; ++i) s += "6\r\r" + std::string("8\r-1\r\r") + "3\r10\r1\r";
    return s + "10\r9\r" + kLeftOver;
}

TEST(Section1, StackStaysFlatOverAThousandRoundTrips) {
    StackUse few = run_on_painted_stack(round_trips(3));
    StackUse many = run_on_painted_stack(round_trips(250));  // 1000 round trips
    EXPECT_EQ(few.status, 0);
    EXPECT_EQ(many.status, 0);
    EXPECT_TRUE(few.ended_by_menu);
    EXPECT_TRUE(many.ended_by_menu);
    EXPECT_GT(few.bytes, 0u);
    EXPECT_LE(many.bytes, few.bytes + 4096) << "few " << few.bytes << " many " << many.bytes;
}

}  // namespace

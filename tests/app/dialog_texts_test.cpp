// The framework's dialogs at the display modes a child's screen has: every label's ink lies inside
// the dialog's border with some air, and a label followed by another on its line keeps a space
// before it.
#include <algorithm>

#include "framework/widgets/tk_CLabel.h"
#include "tests/common/app/tk_app_world.h"

namespace tk_test {
namespace {

struct Ink {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    bool Empty() const { return right < 0; }
};

// The pixels of a label: where its dialog drawn on the back buffer changes with the label's colour.
Ink inkOf(tk_CDDialog* dialog, tk_CLabel* label) {
    IDirectDrawSurface* back = tk_lpDDSBack;
    const COLORREF colour = label->colour;
    const auto drawn = [&](COLORREF c) {
        label->colour = c;
        dialog->ZOBRAZ(back);
        return PixelsOf(back);
    };
    const std::vector<std::uint16_t> red = drawn(RGB(255, 0, 0)), blue = drawn(RGB(0, 0, 255));
    label->colour = colour;
    const int w = SizeOf(back).first;
    Ink ink;
    for (std::size_t i = 0; i < red.size() && i < blue.size(); ++i) {
        if (red[i] == blue[i]) continue;
        const int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
        ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
    }
    return ink;
}

// Each label of the dialog: its ink at least `margin` pixels inside the dialog's edges; a label
// followed on its line by another keeps at least a narrow space (3 pixels of no ink) before it.
void expectTextsInside(tk_CDDialog* dialog, const char* name) {
    constexpr int margin = 3;
    std::vector<std::pair<tk_CLabel*, Ink>> labels;
    for (int i = 0; i < dialog->children.count; ++i) {
        auto* label = dynamic_cast<tk_CLabel*>(static_cast<tk_CPol*>(dialog->children.items[i]));
        if (label && label->visible && *label->text) labels.emplace_back(label, inkOf(dialog, label));
    }
    ASSERT_FALSE(labels.empty()) << name;
    for (const auto& [label, ink] : labels) {
        const std::string what = std::string(name) + " \"" + label->text + "\" at " + Nums(tk_ScreenW);
        ASSERT_FALSE(ink.Empty()) << what;
        EXPECT_GE(ink.left, dialog->x + margin) << what;
        EXPECT_LE(ink.right, dialog->x + dialog->sir - 1 - margin) << what;
        for (const auto& [other, otherInk] : labels) {
            if (other != label && other->x > label->x && otherInk.top <= ink.bottom &&
                ink.top <= otherInk.bottom) {
                EXPECT_GE(otherInk.left - ink.right - 1, 3) << what << " before \"" << other->text << "\"";
            }
        }
    }
}

struct Mode {
    const char* settings;
};
class DialogTexts : public AppWorld, public ::testing::WithParamInterface<Mode> {};

TEST_P(DialogTexts, EveryLabelLiesInsideItsDialogWithAirAndItsSpaceBeforeTheNext) {
    ProbeApp app;
    app.SetAppInfo("Kartola", "(verzia: 1.1)", "tím Kartola", nullptr, 0, 0);
    const ProbeApp::Step check = [](ProbeApp& a) {
        for (auto [dialog, name] : {std::pair<tk_CDDialog*, const char*>{a.m_dlgInfo, "info"},
                                    {a.m_dlgCasovac, "timer"},
                                    {a.m_dlgRozlisenie, "resolution"}}) {
            dialog->visible = true;
            expectTextsInside(dialog, name);
        }
        // The author's name is read as a word of its own.
        Ink programmed = inkOf(a.m_dlgInfo, static_cast<tk_CLabel*>(a.Child(1206)));
        Ink author = inkOf(a.m_dlgInfo, static_cast<tk_CLabel*>(a.Child(1207)));
        EXPECT_GE(author.left - programmed.right, 4);
    };
    EXPECT_EQ(Run(app, GetParam().settings,
                  {Idle, check, Idle, [](ProbeApp&) { Shot("dialogs_" + Nums(tk_ScreenW)); }, Escape}),
              0);
}

INSTANTIATE_TEST_SUITE_P(Modes, DialogTexts,
                         ::testing::Values(Mode{"800 600\n2 16"}, Mode{"1024 768\n2 16"},
                                           Mode{"1920 1080\n2 16"}));

}  // namespace
}  // namespace tk_test

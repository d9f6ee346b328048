// Stand-in elements for the element-tree tests: boxes that record what reaches them, and the
// smallest elements with the class ids of the later classes (dialog, list); pointer
// events driven step by step.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CPol.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {

// A fresh working folder and log, the cascade of automatic places from its start and no drag.
class TreeWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = false;
        tk_auto_rx = 15, tk_auto_ry = 10;
        tk_drag_dx = tk_drag_dy = 0;
    }
    ScopedWorkDir dir;
};

using Trace = std::vector<std::string>;

// A box of a given size that logs draws and events and takes the events inside it.
class Probe : public tk_CPol {
  public:
    Probe(tk_CPolCHLO* owner, int at_x, int at_y, int w, int h, Trace* trace, const char* label,
          int cls = tk_CLASS_CDAS)
        : tk_CPol(owner, at_x, at_y), w_(w), h_(h), trace_(trace) {
        SetClassId(cls);
        SetName(label);
    }
    ~Probe() override {
        if (destroyed_) ++*destroyed_;
    }
    using tk_CPol::ZOBRAZ;
    void ZOBRAZ(IDirectDrawSurface* surface) override {
        if (!visible) return;
        if (trace_) trace_->push_back(std::string("draw ") + name);
        if (surface && colour_) {
            RECT r{x, y, x + w_, y + h_};
            DDBLTFX fx{};
            fx.dwSize = sizeof(fx);
            fx.dwFillColor = colour_;
            surface->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
        }
    }
    void GetSize(int* w, int* h) override {
        *w = w_;
        *h = h_;
    }
    bool INFORMUJ_SA(int px, int py, int code) override {
        if (!visible) return false;
        if (trace_) trace_->push_back(std::string("event ") + name);
        return code >= -1 && px >= x && px < x + w_ && py >= y && py < y + h_;
    }

    std::uint16_t colour_ = 0;
    int* destroyed_ = nullptr;

  private:
    int w_, h_;
    Trace* trace_;
};

// A container that records the notifications it gets and can end the chain.
class Box : public tk_CPolCHLO {
  public:
    Box(tk_CPolCHLO* owner, int id, int cls = tk_CLASS_CPolCHLO) : tk_CPolCHLO(owner, id) { SetClassId(cls); }
    ~Box() override {
        if (destroyed_) ++*destroyed_;
    }
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override {
        notes.push_back({id, value, sender});
        if (handles_) return true;
        return tk_CPolCHLO::HandleFWInteraction(id, value, sender);
    }
    int SetupVisual() override {
        ++setups;
        return 0;
    }

    struct Note {
        int id, value;
        tk_CPol* sender;
    };
    std::vector<Note> notes;
    bool handles_ = false;
    int setups = 0;
    int* destroyed_ = nullptr;
};

// A list stand-in (class 11, 12, 121 or 122) with one pending choice.
class Chooser : public tk_CPol {
  public:
    Chooser(tk_CPolCHLO* owner, int id, int cls) : tk_CPol(owner, id) { SetClassId(cls); }
    bool ReportValue(int* value) override {
        if (pending_ < 1) return false;
        *value = pending_;
        pending_ = 0;
        return true;
    }
    int pending_ = 0;
};

// A pointer event and what it should leave: whether it was taken, then the state and place of the
// watched element.
struct Step {
    int px, py, code, taken, state, x, y;
};

// Sends each event to the element and compares what it leaves with the step.
template <typename E>
void Drive(E* e, const std::vector<Step>& steps, tk_CPol* watched = nullptr) {
    tk_CPol* w = watched ? watched : e;
    for (const Step& s : steps) {
        const bool taken = e->INFORMUJ_SA(s.px, s.py, s.code);
        EXPECT_EQ(Nums(taken, w->state, w->x, w->y), Nums(s.taken, s.state, s.x, s.y))
            << "at " << s.px << "," << s.py << " code " << s.code;
    }
}

}  // namespace tk_test

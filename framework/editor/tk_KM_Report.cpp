// The editor's report: the container target with its children and source lines that place them,
// then the current element. Written whole or not at all; a failure is logged and kept for the help.
#define TK_MODULE "TK_KM_w"
#include <cstdio>
#include <string>

#include "framework/editor/tk_KM_internal.h"
#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_ClassTable.h"

namespace {

std::string g_save_error;

constexpr const char* kRule = "-------------------\n";

template <typename... Args>
void append(std::string& out, const char* pattern, Args... args) {
    const int n = std::snprintf(nullptr, 0, pattern, args...);
    if (n <= 0) return;
    std::string line(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(line.data(), line.size(), pattern, args...);
    line.pop_back();
    out += line;
}

void containerSection(std::string& out, tk_CPolCHLO* box) {
    int w = 0, h = 0;
    box->GetSize(&w, &h);
    out += kRule;
    out += "tk_KM_cPolCHLO_9: CPolCHLO\n";
    append(out, " ID=%d rx,ry=[%d,%d] sir,vys=[%d,%d]\n", box->ID, box->rx, box->ry, w, h);
    out += "--- CHL:\n";
    for (int i = 0; i < box->children.count; ++i) {
        tk_CPol* c = tk_KM_Child(i);
        if (!c) continue;
        c->GetSize(&w, &h);
        append(out, "[%d]: [%s] [%s] ID=%d rx,ry=[%d,%d] sir,vys=[%d,%d]", i,
               tk_glob_GetClassName(c->class_id), c->name, c->ID, c->rx, c->ry, w, h);
        if (c->class_id == tk_CLASS_CLabel) {
            auto* label = dynamic_cast<tk_CLabel*>(c);
            append(out, " text=%s", label && label->text ? label->text : "");
        }
        out += "\n";
    }
    out += kRule;
    for (int i = 0; i < box->children.count; ++i) {
        if (tk_CPol* c = tk_KM_Child(i))
            append(out, "GetCHLWithIndex( %d )->MoveToRel( %d, %d );\n", i, c->rx, c->ry);
    }
}

}  // namespace

int tk_KM_SAVE() {
    std::string report;
    if (tk_KM_cPolCHLO_9) containerSection(report, tk_KM_cPolCHLO_9);
    if (tk_KM_cPol_10) {
        report += kRule;
        report += "tk_KM_cPol_10: CPol\n";
        report += " TODO\n";
    }
    tk_AtomicFile file(tk_KM_REPORT_FILE);
    if (file.Write(report.data(), report.size()) && file.Commit()) {
        g_save_error.clear();
        return 1;
    }
    g_save_error = std::string("SAVE FAILED: ") + tk_KM_REPORT_FILE + " (" + file.Error() + ")";
    TK_LOG_ERR(g_save_error.c_str());
    return 0;
}

const char* tk_KM_SaveError() {
    return g_save_error.c_str();
}

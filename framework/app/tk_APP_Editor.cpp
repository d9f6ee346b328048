#include "framework/app/tk_APP_Editor.h"

namespace {
tk_CAppEditor* g_editor = nullptr;
}

void tk_APP_SetEditor(tk_CAppEditor* editor) {
    g_editor = editor;
}

tk_CAppEditor* tk_APP_Editor() {
    return g_editor;
}

tk_CAppEditor* tk_APP_EditorOn() {
    return g_editor && g_editor->IsOn() ? g_editor : nullptr;
}

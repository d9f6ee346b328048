#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDS.h"

#include "framework/support/tk_LOG.h"

tk_CDS::tk_CDS(int x_, int y_) : tk_CDAS(x_, y_) {
    SetClassId(tk_CLASS_CDS);
}

tk_CDS::tk_CDS(const char* name_, int x_, int y_) : tk_CDAS(name_, x_, y_) {
    SetClassId(tk_CLASS_CDS);
}

tk_CDS::tk_CDS(tk_CPolCHLO* parent_, int rx_, int ry_) : tk_CDAS(parent_, rx_, ry_) {
    SetClassId(tk_CLASS_CDS);
}

tk_CDS::tk_CDS(tk_CPolCHLO* parent_, int id) : tk_CDAS(parent_, id) {
    SetClassId(tk_CLASS_CDS);
}

void tk_CDS::EVIDUJ_2() {
    if (!surface) {
        TK_LOG_ERR("tk_CDS::EVIDUJ_2 - surface == NULL");
        return;
    }
    phases.Add(new tk_TFAZA(surface->ZAMERAJ_FAZU_CS()));
}

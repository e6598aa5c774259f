#include "main/frmExportHtml.h"

namespace ravlet {

ExportHtmlOptions frmExportHtml::Options() const {
    ExportHtmlOptions o;
    o.title = txtTitle;
    o.headline = chk[0];
    o.useDescription = chk[1];
    o.description = txtDesc;
    o.newWindow = chk[2];
    o.promote = chk[3];
    return o;
}

}  // namespace ravlet

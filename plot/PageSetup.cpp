#include "plot/PageSetup.h"

namespace tellvane {

void setUpDocument(PlotDocument& doc) {
    doc.SetupValue10(1.0);
    doc.SetupValue11(3);
    doc.StartDocument();
    doc.SetupValue1(u"");
    doc.SetupValue7(0);
    doc.SetupValue2(2.0);
    doc.SetupValue9(1);
    doc.SetupValue8(1);
    doc.SetupValue12(true);
    doc.SetupValue4(3.0);
    doc.SetupValue3(2.0);
    doc.SetupValue5(0.0);
    doc.SetupValue6(0);
}

}  // namespace tellvane

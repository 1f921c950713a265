// The device report: asking the receiver for it.
#include "app/Mainform.h"

namespace {
constexpr char kReportRequest[] = "$PTST,,,,,17";
}

void TForm1::RequestDeviceReport() {
    SendSentence(kReportRequest, 0);
}

void TForm1::RefreshDeviceReport() {
    view_.SetActivePage(TControl::PageControlConf, pgBaudRate);
    RequestDeviceReport();
}

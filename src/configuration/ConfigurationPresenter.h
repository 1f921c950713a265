// The Configuration pages (BAUD RATE, INTERNAL GPS, RESTORE) and the two buttons beside
// them: Read Device asks for the report and offers the report file a little later;
// Program Device programs the settings of the page in front. The pages show what the
// receiver's report says.
#pragma once

#include "dialogs/CountdownDialog.h"
#include "session/ReceiverSession.h"
#include "view/Desktop.h"
#include "view/MainView.h"
#include "view/Texts.h"

// What became of the last offer of the configuration report.
enum TReportOutcome { roNone, roDeclined, roWritten, roFailed };

class TConfigurationPresenter : public TSessionObserver {
public:
    TConfigurationPresenter(TMainView& view, TReceiverSession& session, const TTexts& texts,
                            const TDesktop& desktop);

    void ReadDeviceClicked();
    // Programs the settings of the Configuration page in front.
    void ProgramDeviceClicked();
    void ProgramBaudRatesClicked();
    void ProgramInternalGpsClicked();
    void RestoreClicked();
    void InternalGpsToggled();

    // Every half second: counts down from Read Device to the report offer.
    void HalfSecondTick();
    // Asks, lets the user choose a file, writes the report and opens it in the editor.
    void SaveConfigurationReport();
    // Half-second ticks left until the report offer; kNoReportPending when none.
    int ReportCountdown() const { return reportCountdown_; }
    static constexpr int kNoReportPending = 255;
    TReportOutcome ReportOutcome() const { return reportOutcome_; }
    TCountdownDialog& Countdown() { return countdown_; }

    void ReportRead(const TDeviceInfo& report, unsigned items) override;

private:
    void SelectBaud(TControl selector, int32_t baud);
    // Shows "Settings applied." when the page's sentences all left.
    void ConfirmApplied(TSendResult result);

    TMainView& view_;
    TReceiverSession& session_;
    const TTexts& texts_;
    const TDesktop& desktop_;
    TCountdownDialog countdown_;
    int reportCountdown_ = kNoReportPending;
    TReportOutcome reportOutcome_ = roNone;
};

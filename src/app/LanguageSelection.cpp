// Choosing the language of the window's texts: the language file's texts on the menus,
// buttons, tabs and status, the code page of the window, and the about box's read-me.
#include "app/Mainform.h"
#include "app/ReadMe.h"
#include "diagnostics/GpsStatusPage.h"

namespace {

// The language menu items, by language (their tags).
constexpr TControl kLanguageItems[] = {TControl::mnuLangEnglish, TControl::mnuLangTraChinese,
                                       TControl::mnuLangSimpChinese};

struct CaptionText {
    TControl Control;
    std::string TTexts::*Text;
};

// The controls whose caption is one of the texts. The Connect button and the status label
// show the text of the connection's state instead.
// clang-format off
constexpr CaptionText kCaptions[] = {
    {TControl::mnuFile,            &TTexts::MenuFile},
    {TControl::mnuExit,            &TTexts::MenuExit},
    {TControl::mnuOption,          &TTexts::MenuOption},
    {TControl::mnuLanguage,        &TTexts::MenuLanguage},
    {TControl::mnuLangEnglish,     &TTexts::MenuLangEnglish},
    {TControl::mnuLangTraChinese,  &TTexts::MenuLangTraChinese},
    {TControl::mnuLangSimpChinese, &TTexts::MenuLangSimpChinese},
    {TControl::mnuHelp,            &TTexts::MenuHelp},
    {TControl::mnuAbout,           &TTexts::MenuAbout},
    {TControl::btnExit,            &TTexts::ExitButton},
    {TControl::SpeedButtonReload,  &TTexts::ReadDevice},
    {TControl::SpeedButtonSetting, &TTexts::ProgramDevice},
    {TControl::TabSheetBaudRate,   &TTexts::BaudRateTab},
    {TControl::spbBaudRate,        &TTexts::BaudRateConfig},
    {TControl::btnOK,              &TTexts::AboutOk},
};
// clang-format on

} // namespace

void TForm1::ApplySavedLanguage() {
    TLanguage language = LanguageOfIndex(LanguageIndex);
    view_.SetChecked(kLanguageItems[language], true);
    mnuLangTraChineseClick(language);
}

void TForm1::mnuLangTraChineseClick(int tag) {
    if (tag != laEnglish && tag != laTraChinese && tag != laSimpChinese)
        return;
    auto language = static_cast<TLanguage>(tag);
    LanguageIndex = tag;
    view_.SetTextLanguage(language);
    // The GPS page's degree sign is a character of the language's code page.
    gpsPage_->SetLanguage(language);
    LoadLanguageTexts(LanguageFilePath(ExeDir, language), Texts);
    for (const CaptionText& caption : kCaptions)
        view_.SetText(caption.Control, Texts.*caption.Text);
    ShowConnectCaptionAndStatus();
    // Without its read-me file the about box keeps the text it shows.
    if (auto lines = LoadReadMeLines(ReadMeFilePath(ExeDir, language), language)) {
        view_.ListClear(TControl::Memo1);
        for (const std::string& line : *lines)
            view_.AppendLine(TControl::Memo1, line);
    }
}

void TForm1::ShowConnectCaptionAndStatus() {
    view_.SetText(TControl::OpenPort, Texts.ButtonCaptions[PortOpen ? 1 : 0]);
    const std::string& status = HandshakeState == hsDone         ? Texts.Connected
                                : HandshakeState == hsWaitReport ? Texts.Connecting
                                                                 : Texts.Click2Connect;
    view_.SetText(TControl::LabelConnectionStatus, status);
}

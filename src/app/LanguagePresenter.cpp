#include "app/LanguagePresenter.h"
#include "view/ReadMe.h"

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
    {TControl::TabSheetAisStations,  &TTexts::StationsTab},
    {TControl::ButtonStationDetails, &TTexts::StationDetails},
    {TControl::ButtonClearStations,  &TTexts::StationsClear},
    {TControl::ButtonExportStations, &TTexts::StationsExport},
};
// clang-format on

} // namespace

TLanguagePresenter::TLanguagePresenter(TMainView& view, TTexts& texts, std::string programFolder,
                                       int savedIndex, TConnectionPresenter& connection,
                                       TGpsStatusPresenter& gpsStatus, TStationsPresenter& stations)
    : view_(view), texts_(texts), programFolder_(std::move(programFolder)), connection_(connection),
      gpsStatus_(gpsStatus), stations_(stations), languageIndex_(savedIndex) {
    view_.SetVisible(TControl::mnuOption, false);
    view_.SetVisible(TControl::mnuLanguage, false);
}

void TLanguagePresenter::ApplySaved() {
    TLanguage language = LanguageOfIndex(languageIndex_);
    view_.SetChecked(kLanguageItems[language], true);
    LanguageChosen(language);
}

void TLanguagePresenter::LanguageChosen(int tag) {
    if (tag != laEnglish && tag != laTraChinese && tag != laSimpChinese)
        return;
    auto language = static_cast<TLanguage>(tag);
    languageIndex_ = tag;
    view_.SetTextLanguage(language);
    // The GPS page's degree sign is a character of the language's code page.
    gpsStatus_.SetLanguage(language);
    stations_.SetLanguage(language);
    LoadLanguageTexts(LanguageFilePath(programFolder_, language), texts_);
    for (const CaptionText& caption : kCaptions)
        view_.SetText(caption.Control, texts_.*caption.Text);
    connection_.ShowCaptionAndStatus();
    // Without its read-me file the about box keeps the text it shows.
    if (auto lines = LoadReadMeLines(ReadMeFilePath(programFolder_, language), language)) {
        view_.ListClear(TControl::Memo1);
        for (const std::string& line : *lines)
            view_.AppendLine(TControl::Memo1, line);
    }
}

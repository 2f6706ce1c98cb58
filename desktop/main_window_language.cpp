// The main window in the player's language: the menu's choice of language,
// and every open window drawn again in it at once. The choice is made from
// the menu, so never while a modal window of the basho is up: the windows
// to draw again are the main window, its home, the windows beside it and the
// record's.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include "basho/reports.h"
#include "desktop/about_window.h"
#include "desktop/archive_window.h"
#include "desktop/best10_window.h"
#include "desktop/career_window.h"
#include "desktop/game_text.h"
#include "desktop/help_window.h"
#include "desktop/home_face.h"
#include "desktop/language_choice.h"
#include "desktop/main_window.h"
#include "desktop/paper_window.h"
#include "desktop/past_careers_window.h"
#include "desktop/report_window.h"
#include "desktop/stage_window.h"
#include "desktop/strategy_window.h"
#include "desktop/window_layout.h"
#include "game/views_in_language.h"

namespace kelmar {

void TfrmKelmar::SetLanguage(Language language, bool keep) {
    if (keep)
        KeepLanguage(language);
    SetShownLanguage(language);
    Retranslate();
}

void TfrmKelmar::Retranslate() {
    setWindowTitle(Tr("ケルマー"));
    const std::pair<QAction*, const char*> items[] = {
        {File1->menuAction(), "ﾌｧｲﾙ(&F)"},
        {KN1, "新しいゲーム(&N)"},
        {KS1, "ゲームの保存(&S)"},
        {KO2, "ゲームの再開(&O)"},
        {KQ1, "終わり(&Q)"},
        {KB1, "番付と成績(&B)"},
        {KT2, "トップ１０(&T)"},
        {KR1->menuAction(), "記録(&R)"},
        {KC1, "力士の記録(&C)"},
        {KH2, "歴代の力士(&H)"},
        {KA2, "資料館(&A)"},
        {KO1->menuAction(), "オプション(&O)"},
        {KT1, "練習レベル(&T)"},
        {K1, "アニメーション(&A)"},
        {FilmPaceMenu->menuAction(), "フィルムの速さ(&F)"},
        {LanguageMenu->menuAction(), "言語(&L)"},
        {KH1->menuAction(), "ヘルプ(&H)"},
        {KP1, "遊びかた(&P)"},
        {KA1, "バージョン情報(&A)"},
    };
    for (const auto& [item, japanese] : items) item->setText(Tr(japanese));
    for (size_t i = 0; i < kFilmPaces.size(); ++i)
        FilmPaceItems[i]->setText(
            QString::fromStdString(FilmPaceCaptionIn(ShownLanguage(), kFilmPaces[i])));
    for (size_t i = 0; i < LanguageItems.size(); ++i)
        LanguageItems[i]->setChecked(Languages()[i].language == ShownLanguage());

    // The new-career panel, its list and its pick.
    AgeLabel->setText(Tr("年齢："));
    PLabel->setText(Tr("パワー："));
    SLabel->setText(Tr("スピード："));
    WLabel->setText(Tr("技能："));
    if (!juryoNames_.empty()) {
        const QSignalBlocker quiet(JuryoList);
        for (int row = 0; row < JuryoList->count(); ++row)
            JuryoList->item(row)->setText(ShownNameOf(juryoNames_[static_cast<size_t>(row)]));
    }
    NameLabel->setText(QString::fromStdString(PickNameIn(ShownLanguage(), pick_)));
    FitPanel();
    // What the main view and the day show.
    Show(game_->View());
    if (day_)
        SetCaption(lblBasyo, QString::fromStdString(DayCaptionIn(ShownLanguage(), *day_)));
    ShowBoutLabels();
    Home->Retranslate();

    AboutForm->Retranslate();
    frmStage->Retranslate();
    frmStrategy->Retranslate();
    frmReport->Retranslate();
    frmPaper->Retranslate();
    frmBest10->Retranslate();
    // The record's windows, made when first opened.
    if (frmCareerRecord != nullptr)
        frmCareerRecord->Retranslate();
    if (frmPastCareers != nullptr)
        frmPastCareers->Retranslate();
    if (frmArchive != nullptr)
        frmArchive->Retranslate();
    // The help open in the other language gives way to the help of this one.
    if (HelpWindow != nullptr && HelpWindow->isVisible())
        KP1Click();
}

}  // namespace kelmar

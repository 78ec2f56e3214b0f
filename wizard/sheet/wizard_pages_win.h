// The wizard's nine pages and what every page and sub-dialog shares: the
// sheet builds its pages from these procedures, in this order.
#pragma once
#include <windows.h>

// Page templates, in the sheet's order.
constexpr int kIntroductionPageTemplate = 109;
constexpr int kInformationPageTemplate = 102;
constexpr int kDocumentationPageTemplate = 111;
constexpr int kChemicalsPageTemplate = 112;
constexpr int kReactionsPageTemplate = 126;
constexpr int kLabPropertiesPageTemplate = 145;
constexpr int kIndicatorsPageTemplate = 141;
constexpr int kPdbFilesPageTemplate = 147;
constexpr int kFinishPageTemplate = 110;

// Sub-dialog templates.
constexpr int kChemicalDatabaseDialogTemplate = 115;
constexpr int kLabChemicalDialogTemplate = 124;
constexpr int kReactionChemicalDialogTemplate = 136;
constexpr int kReactionDetailsDialogTemplate = 137;
constexpr int kPasswordDialogTemplate = 140;
constexpr int kIndicatorDialogTemplate = 142;
constexpr int kSpectroDataDialogTemplate = 146;

// Help keys of the shared help-topic table.
constexpr int kHelpIntroduction = 2000;
constexpr int kHelpInformation = 2001;
constexpr int kHelpDocumentation = 2002;
constexpr int kHelpChemicals = 2003;
constexpr int kHelpReaction = 2004;
constexpr int kHelpFinish = 2005;
constexpr int kHelpChemicalsDatabase = 2006;
constexpr int kHelpProperties = 2007;
constexpr int kHelpDetails = 2008;
constexpr int kHelpReactionChemical = 2009;
constexpr int kHelpPassword = 2010;
constexpr int kHelpIndicators = 2011;
constexpr int kHelpLabOptions = 2012;
constexpr int kHelpSpectrophotometer = 2013;
constexpr int kHelpPdbFiles = 2014;

INT_PTR CALLBACK IntroductionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK InformationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DocumentationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ChemicalsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReactionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK LabPropertiesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK IndicatorsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PdbFilesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Back, Next and Finish as page pageNumber (1..9) offers them: Next only on
// the first, Back and Finish on the last, Back and Next between.
void SetWizardPageButtons(HWND page, int pageNumber);

// Opens the topic of helpKey in the wizard's help file, over owner.
void OpenWizardHelp(HWND owner, int helpKey);

// A box over owner with the module's strings textId and captionId.
int ShowWizardMessage(HWND owner, int textId, int captionId, UINT type = MB_OK | MB_ICONEXCLAMATION);

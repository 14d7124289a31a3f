#pragma once

#include "DialogTemplate.h"
#include "ScoreHistory.h"

class QWidget;
class TemplateDialog;

// The scores dialog and the history it shows. There is one, theScoresDlg,
// for the whole run: the history is its data, so the scores live exactly as
// long as the process. Its window is built afresh from template 175 at each
// DoModal and gone when it closes.
class CScoresDlg {
public:
    CScoresDlg() = default;
    ~CScoresDlg() = default;
    CScoresDlg(const CScoresDlg&) = delete;
    CScoresDlg& operator=(const CScoresDlg&) = delete;

    ScoreHistory& History() { return m_history; }
    const ScoreHistory& History() const { return m_history; }

    // Shows the dialog centred over owner until Exit (IDOK: the fields are
    // read back into the history) or Esc (IDCANCEL: nothing is read back).
    int DoModal(QWidget* owner);

private:
    // Every field to or from its slot, by the field ids.
    void DoDataExchange(TemplateDialog& dialog, bool saveAndValidate);
    void OnInitDialog(TemplateDialog& dialog);

    ScoreHistory m_history;
};

extern CScoresDlg theScoresDlg;

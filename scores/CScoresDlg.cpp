#include "CScoresDlg.h"

#include "LogLines.h"
#include "Logging.h"
#include "OutlineCatalogue.h"
#include "ScoresDialogTemplate.h"
#include "TemplateDialog.h"

#include <QCoreApplication>

CScoresDlg theScoresDlg;

int CScoresDlg::DoModal(QWidget* owner) {
    TemplateDialog dialog(ScoresDialogTemplate::Get(), owner);
    OnInitDialog(dialog);
    const int result = dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
    if (result == IDOK)
        DoDataExchange(dialog, true);
    return result;
}

// Each field is named for a screen reader by its row and column, which
// the eye takes from the names beside it and the header above.
void CScoresDlg::OnInitDialog(TemplateDialog& dialog) {
    DoDataExchange(dialog, false);
    for (int outline = 1; outline <= ScoreHistory::kOutlines; ++outline)
        for (int slot = 0; slot < ScoreHistory::kSlots; ++slot) {
            const int id = ScoreHistory::FieldId(outline, slot);
            dialog.Item(id)->setAccessibleName(
                //: A score field's name for a screen reader: the outline, then the column as
                //: the header above the fields names it ("Score 0" is the newest).
                QCoreApplication::translate("ScoresDialog", "%1, Score %2")
                    .arg(QCoreApplication::translate("Outline",
                                                     OutlineCatalogue::Entry(outline).name))
                    .arg(-slot));
            const std::string& text = m_history.Score(outline, slot);
            dialog.SetItemText(id, QString::fromStdString(text));
            qCDebug(lcDialogs).nospace() << LogLines::kScoreField.text << " " << id << " '"
                                         << text.c_str() << "' at " << dialog.Item(id)->geometry();
        }
    if (QWidget* exitButton = dialog.Item(IDOK))
        exitButton->setFocus();
}

void CScoresDlg::DoDataExchange(TemplateDialog& dialog, bool saveAndValidate) {
    for (int outline = 1; outline <= ScoreHistory::kOutlines; ++outline)
        for (int slot = 0; slot < ScoreHistory::kSlots; ++slot) {
            const int id = ScoreHistory::FieldId(outline, slot);
            if (saveAndValidate)
                m_history.SetScore(outline, slot, dialog.ItemText(id).toStdString());
            else
                dialog.SetItemText(id, QString::fromStdString(m_history.Score(outline, slot)));
        }
}

#include "CAboutDlg.h"

#include "AboutDialogTemplate.h"
#include "Logging.h"
#include "TemplateDialog.h"

int CAboutDlg::DoModal(QWidget* owner) {
    TemplateDialog dialog(AboutDialogTemplate::Get(), owner);
    if (QWidget* ok = dialog.Item(IDOK))
        ok->setFocus();
    qCDebug(lcDialogs) << "about box" << dialog.size();
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

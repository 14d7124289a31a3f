#include "CORLIXApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CORLIXDoc.h"
#include "CORLIXView.h"
#include "CScoresDlg.h"
#include "CommandIds.h"
#include "Logging.h"
#include "PrintJob.h"
#include "PulseSoundPlayer.h"
#include "QtShell.h"
#include "ResourceBitmapLoader.h"
#include "StartupPreparation.h"
#include "ViewHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QSettings>
#include <cstdio>
#include <limits>

namespace {
QSettings Settings() {
    return QSettings(QString::fromLatin1(CORLIXApp::kRegistryKey),
                     QString::fromLatin1(CORLIXApp::kAppName));
}

// On stderr too, for whoever started the program from a shell or a script.
// A value that is not a whole number within int's range reads as 0.
int ReadInt(const QVariant& value) {
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    return ok && number >= std::numeric_limits<int>::min() &&
                   number <= std::numeric_limits<int>::max()
               ? int(number)
               : 0;
}

void ShowStartupError(const QString& text) {
    std::fprintf(stderr, "orlix: %s\n", qPrintable(text));
    if (QGuiApplication::primaryScreen() != nullptr)
        QMessageBox::warning(nullptr, QString::fromLatin1(CORLIXApp::kAppName), text);
}
} // namespace

CORLIXApp::CORLIXApp() = default;

// Reached only through exit() while the window still exists (the layout
// check ends the program from inside a paint): the desktop objects are
// left to the ending process rather than torn down beneath the paint.
CORLIXApp::~CORLIXApp() {
    if (m_frame != nullptr) {
        (void)m_view.release();
        (void)m_sound.release();
    }
}

bool CORLIXApp::InitInstance(const QStringList& arguments) {
    if (!m_preparation)
        StartPreparing();
    m_preparation->ToolkitReady();
    LoadStdProfileSettings();
    if (!CreateDocumentAndWindow()) {
        ShowStartupError(tr("Failed to create empty document."));
        return false;
    }
    if (arguments.size() > 1 && !m_doc->OpenFrom(arguments.at(1))) {
        ShowStartupError(tr("Failed to open document."));
        ExitInstance();
        return false;
    }
    m_frame->setWindowTitle(m_doc->Title() + " - " + kAppName);
    m_frame->FitAvailableArea(); // before the icon makes the native window
    QApplication::setWindowIcon(ProgramIcon());
    m_frame->ShowMaximizedAtScreenSize();
    return true;
}

int CORLIXApp::ExitInstance() {
    m_preparation.reset();
    delete m_frame;
    m_frame = nullptr;
    m_view.reset();
    m_doc.reset();
    m_sound.reset();
    SaveStdProfileSettings();
    return 0;
}

// Reading creates the settings' place if it is missing; a missing or
// unreadable value reads as 0.
void CORLIXApp::LoadStdProfileSettings() {
    QSettings settings = Settings();
    const QFileInfo file(settings.fileName());
    if (!file.exists() && !(QDir().mkpath(file.absolutePath()) &&
                            QFile(file.absoluteFilePath()).open(QIODevice::WriteOnly))) {
        qCWarning(lcSettings) << "the settings file" << file.absoluteFilePath()
                              << "cannot be created; the settings will not be kept";
    }
    m_nPreviewPages = ReadInt(settings.value("Settings/PreviewPages"));
    m_nPreviewPagesStored = m_nPreviewPages;
}

// Written only when it changed, so a settings file is never rewritten (and
// whatever else it holds never reformatted) just because the program ran.
void CORLIXApp::SaveStdProfileSettings() const {
    if (m_nPreviewPages == 0 || m_nPreviewPages == m_nPreviewPagesStored)
        return;
    QSettings settings = Settings();
    settings.setValue("Settings/PreviewPages", m_nPreviewPages);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcSettings) << "the settings cannot be written to" << settings.fileName();
}

bool CORLIXApp::CreateDocumentAndWindow() {
    if (QGuiApplication::primaryScreen() == nullptr)
        return false;
    m_sound = std::make_unique<PulseSoundPlayer>();
    m_bitmaps = std::make_unique<ResourceBitmapLoader>();
    m_shell = std::make_unique<QtShell>();
    m_doc = std::make_unique<CORLIXDoc>();
    m_view = std::make_unique<CORLIXView>(
        ViewServices{m_sound.get(), m_bitmaps.get(), m_shell.get(), &theScoresDlg.History()});
    auto* host = new ViewHost(m_view.get());
    m_frame = new CMainFrame(host, [this](int command) { OnCommand(command); });
    m_shell->SetMainWindow(m_frame, host);
    return true;
}

void CORLIXApp::OnCommand(int command) {
    switch (command) {
    case ID_FILE_NEW:
        OnFileNew();
        break;
    case ID_FILE_OPEN:
        OnFileOpen();
        break;
    case ID_FILE_SAVE:
        OnFileSave();
        break;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
        OnFilePrint(command == ID_FILE_PRINT_DIRECT);
        break;
    case ID_APP_ABOUT:
        OnAppAbout();
        break;
    case ID_APP_EXIT:
        m_frame->close();
        break;
    default: // the commands with no handler only consume their keys
        break;
    }
}

void CORLIXApp::StartPreparing() {
    m_preparation = std::make_unique<StartupPreparation>();
}

// The main window and the dialogs take their icon from the application.
// Window managers draw it small: the 256-pixel picture is for the menu
// entry's icon theme, and converting it for the window costs a quarter of a
// megabyte.
QIcon CORLIXApp::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icon/128-%1.png").arg(size), QSize(size, size));
    return icon;
}

void CORLIXApp::RepaintAfterModal() {
    m_frame->Host()->Repaint();
}

// The game, its state and the scores are untouched; only the view repaints.
void CORLIXApp::OnFileNew() {
    m_doc->OnNewDocument();
    RepaintAfterModal();
}

void CORLIXApp::OnFileOpen() {
    const QString path =
        QFileDialog::getOpenFileName(m_frame, tr("Open"), QString(), tr("All Files (*)"));
    if (!path.isEmpty() && !m_doc->OpenFrom(path))
        QMessageBox::warning(m_frame, kAppName, tr("Failed to open document."));
    RepaintAfterModal();
}

// The document never changes, so a document that already has a file is
// left as it is: saving it would only truncate a file nobody chose here.
void CORLIXApp::OnFileSave() {
    if (!m_doc->Path().isEmpty())
        return;
    const QString path =
        QFileDialog::getSaveFileName(m_frame, tr("Save As"), m_doc->Title(), tr("All Files (*)"));
    if (!path.isEmpty() && !m_doc->SaveAs(path))
        QMessageBox::warning(m_frame, kAppName, tr("Failed to save document."));
    RepaintAfterModal();
}

// The printer's own resolution, so the page is laid out in its real pixels.
void CORLIXApp::OnFilePrint(bool direct) {
    QPrinter printer(QPrinter::HighResolution);
    PrintJob(*m_view, *m_shell, m_frame).Run(printer, direct);
}

void CORLIXApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal(m_frame);
}

#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QStringList>
#include <memory>

class CMainFrame;
class CORLIXDoc;
class CORLIXView;
class QtShell;
class PulseSoundPlayer;
class ResourceBitmapLoader;
class StartupPreparation;
class ViewHost;

// The application: start-up, the one document, frame and view, the commands
// they do not handle themselves, and the settings kept between runs.
class CORLIXApp {
    Q_DECLARE_TR_FUNCTIONS(CORLIXApp)

public:
    static constexpr const char* kAppName = "O.R.L.I.X.";
    static constexpr const char* kRegistryKey = "Local AppWizard-Generated Applications";

    CORLIXApp();
    ~CORLIXApp();

    // Starts work that start-up needs on a thread of its own; called
    // before the application object exists, it is done sooner.
    void StartPreparing();
    // False when the program is to end at once.
    bool InitInstance(const QStringList& arguments);
    int ExitInstance();
    void OnCommand(int command);

    // The program's icon, in the sizes a window shows.
    static QIcon ProgramIcon();

    int PreviewPages() const { return m_nPreviewPages; }
    CMainFrame* MainFrame() const { return m_frame; }

private:
    void LoadStdProfileSettings();
    void SaveStdProfileSettings() const;
    bool CreateDocumentAndWindow();
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFilePrint(bool direct);
    void OnAppAbout();
    void RepaintAfterModal();

    std::unique_ptr<StartupPreparation> m_preparation;
    std::unique_ptr<PulseSoundPlayer> m_sound;
    std::unique_ptr<ResourceBitmapLoader> m_bitmaps;
    std::unique_ptr<QtShell> m_shell;
    std::unique_ptr<CORLIXDoc> m_doc;
    std::unique_ptr<CORLIXView> m_view;
    CMainFrame* m_frame = nullptr; // a top-level widget, deleted at exit
    int m_nPreviewPages = 0;
    int m_nPreviewPagesStored = 0; // as read at start-up
};

extern CORLIXApp theApp;

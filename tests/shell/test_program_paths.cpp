// Where the program's files live: beside the program in the build tree; once installed, the
// guide and samples in <prefix>/share/pecunex, Personal.kpf in the user's configuration
// folder, file dialogs starting in the documents folder.

#include "ProgramPaths.h"
#include "ShellTest.h"

namespace {
const QString InstalledData = QStringLiteral("/usr/share/pecunex");
}

class ProgramPathsTest : public QObject {
    Q_OBJECT
    QTemporaryDir home;
    ShellState state;
    std::unique_ptr<QtDialogs> dialogs;

    QString inHome(const QString& name) const { return QDir(home.path()).filePath(name); }
    QString configFolder() const { return inHome(".config/pecunex"); }

  private slots:
    void initTestCase() {
        // A home of our own (this program runs no other test): the user's folders are below it.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        dialogs = std::make_unique<QtDialogs>(state, nullptr);
    }

    // Installed means under /usr (folder-wise) or in a folder the program cannot write; a
    // folder that is not there is no installation. Installed, the data is <prefix>/share/pecunex
    // and the user's folders hold the rest; in the build tree everything is beside the program.
    void layoutsAndTheirFolders() {
        using enum paths::Layout;
        const struct {
            const char* folder;
            bool writable;
            paths::Layout layout;
            const char* data; // the folder foldersFor gives the layout
        } rows[] = {
            {"/usr", true, Installed, "/share/pecunex"},
            {"/usr/local/bin", true, Installed, "/usr/local/share/pecunex"},
            {"/usr/../home/ann/build/", true, BuildTree, "/home/ann/build"}, // cleaned first
            {"/usrlocal/bin", true, BuildTree, "/usrlocal/bin"},             // not below /usr
            {"/opt/pecunex/bin", false, Installed, "/opt/pecunex/share/pecunex"},
        };
        const paths::UserFolders user{"/home/ann/.config/pecunex/", "/home/ann/Documents"};
        for (const auto& row : rows) {
            QCOMPARE(paths::layoutOf(row.folder, row.writable), row.layout);
            const paths::Folders f = paths::foldersFor(row.layout, row.folder, user);
            const QString program = QDir::cleanPath(row.folder);
            QCOMPARE(QStringList({f.program, f.data, f.settings, f.documents}),
                     row.layout == BuildTree
                         ? QStringList({program, program, program, program})
                         : QStringList({program, row.data, "/home/ann/.config/pecunex",
                                        "/home/ann/Documents"}));
        }
        QCOMPARE(paths::layoutOf(inHome("missing/folder")), BuildTree);
    }

    // Personal.kpf: beside the program in the build tree; installed, in the configuration
    // folder (made when missing, and only then), never in the data folder, and read back from
    // there. A file dialog with no file name starts beside the program in the build tree, in
    // the documents folder once installed, with the installed samples in its side bar.
    void bothLayouts() {
        QDir(configFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(inHome("Documents")) && QDir().mkpath(inHome("build")));
        const struct {
            QString data, settings, start;
            bool installed;
        } rows[] = {{inHome("build"), inHome("build"), inHome("build"), false},
                    {InstalledData, configFolder(), inHome("Documents"), true}};
        for (const auto& row : rows) {
            state.ProgramFolder = row.data.toStdString(), state.UserName = "Ann";
            QCOMPARE(settingsFilePath(state), QDir(row.settings).filePath("Personal.kpf"));
            QVERIFY(saveSettings(state));
            QCOMPARE(QFile::exists(configFolder()), row.installed);
            ShellState next;
            next.ProgramFolder = state.ProgramFolder;
            loadSettings(next);
            QCOMPARE(next.UserName, "Ann");
            state.CurrentFileName.clear(), state.FileDialogMode = 1;
            QString start;
            bool samples = false;
            expectModal(
                "CMDialog1", [&] { dialogs->fileDirectory(); },
                [&](QWidget* w) {
                    auto* d = qobject_cast<QFileDialog*>(w);
                    start = d->directory().absolutePath();
                    samples = d->sidebarUrls().contains(QUrl::fromLocalFile(InstalledData));
                    d->reject();
                });
            QCOMPARE(start, row.start);
            QCOMPARE(samples, row.installed);
        }
        QVERIFY(!QFile::exists(QDir(InstalledData).filePath("Personal.kpf")));
    }
};
PECUNEX_SUITE(ProgramPathsTest)
#include "test_program_paths.moc"

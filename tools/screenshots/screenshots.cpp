// Pictures of every window for the people who review the look of the
// program: the wizard walked page by page over a project, the style editor
// and the three small windows, each saved as a PNG. Settings and the
// program's folder are throw-away, so taking pictures changes nothing of the
// user's; the project is changed by Begin, so the caller gives a copy.
//
//   quillmere_screenshots FOLDER PROJECT.vbp
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/memory_settings.h"
#include "platform/process.h"
#include "ui/frm_about.h"
#include "ui/frm_browse.h"
#include "ui/frm_editor.h"
#include "ui/frm_main.h"
#include "ui/frm_preview.h"
#include "ui/frm_warning.h"
#include "ui/qt_text.h"
#include "ui/wizard_session.h"

using namespace qm;
using namespace qm::ui;

namespace {

// Lets layouts, the file system model and pending paints finish.
void settle(int milliseconds = 250) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

bool save(QWidget* window, const QDir& folder, const char* name) {
  settle();
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool saved = window->grab().save(path, "PNG");
  std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "saved" : "could not save", path.toLocal8Bit().constData());
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: quillmere_screenshots FOLDER PROJECT.vbp\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.absolutePath())) {
    std::fprintf(stderr, "quillmere_screenshots: cannot create %s\n", argv[1]);
    return 1;
  }
  QTemporaryDir programFolder;
  QTemporaryDir workingFolder;
  NativeFileSystem files;
  MemorySettings settings;
  SystemClock clock;
  SystemProcessLauncher launcher;
  WizardSession session({files, toNative(programFolder.path()) + "/", toNative(workingFolder.path()) + "/", settings,
                         clock, launcher});
  session.start(CommandLine::fromWords({argv[2]}));
  frmMain& window = session.window();
  window.show();
  if (session.logic().currentPage != WizardPage::Files) {
    std::fprintf(stderr, "quillmere_screenshots: cannot open the project %s\n", argv[2]);
    return 1;
  }

  bool ok = save(&window, out, "2-project-files.png");
  window.cmdBack1->click();
  ok &= save(&window, out, "1-choose-project.png");
  window.cmdLoad2->click();
  window.cmdLoad3->click();
  ok &= save(&window, out, "3-options-general.png");
  window.tabOptions->setCurrentIndex(1);
  ok &= save(&window, out, "3-options-code-style.png");
  window.tabOptions->setCurrentIndex(2);
  window.chkNumbers->click();
  ok &= save(&window, out, "3-options-advanced.png");
  window.tabOptions->setCurrentIndex(0);
  window.cmdLoad4->click();
  ok &= save(&window, out, "4-apply.png");
  window.cmdPreview->click();
  ok &= save(window.previewWindow(), out, "4-preview.png");
  window.previewWindow()->close();
  window.cmdBegin->click();
  ok &= save(&window, out, "4-apply-done.png");
  window.cmdBack3->click();
  window.cmdBack2->click();
  window.cmdBack1->click();
  ok &= save(&window, out, "1-choose-project-with-backup.png");

  window.cmdLoad2->click();
  window.cmdLoad3->click();
  window.tabOptions->setCurrentIndex(1);
  window.cmdEditStyle->click();
  frmEditor* editor = window.editorWindow();
  ok &= save(editor, out, "editor-first-code.png");
  editor->tabEditor->setCurrentIndex(1);
  ok &= save(editor, out, "editor-last-code.png");
  editor->close();

  window.showAbout();
  ok &= save(window.aboutWindow(), out, "about.png");
  window.aboutWindow()->close();

  frmWarning warning(&window);
  warning.show();
  ok &= save(&warning, out, "warning.png");
  warning.close();

  window.tabOptions->setCurrentIndex(0);
  window.optNew->click();
  window.cmdNewBrowse->click();
  settle(800);  // the folder tree is read in the background
  ok &= save(window.browseWindow(), out, "browse.png");
  return ok ? 0 : 1;
}

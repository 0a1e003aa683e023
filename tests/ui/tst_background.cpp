#include "UiTestSupport.h"
#include "core/BackgroundPicture.h"
#include "shell/ui/APartenza.h"
#include "shell/ui/Background.h"
#include "ui/Avviso.h"

#include <QImage>
#include <QMdiArea>

using namespace varnelo;

namespace {

// A picture of one colour, wider than high.
QString writePicture(const QString& path, const QColor& colour) {
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

// The colour in the middle of the MDI area as it is painted.
QColor middleOfArea(QWidget* main) {
    auto* area = main->findChild<QMdiArea*>("MDIForm");
    const QImage shot = area->viewport()->grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

QString keptPath(const TestProgram& p) {
    return QString::fromStdString(loadBackgroundPath(p.state->folder));
}

} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    Varnelo& main() { return app_->main; }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { app_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { app_.reset(); }

    // "Inserisci sfondo" paints the chosen picture behind the windows and
    // keeps its path; "Togli sfondo" takes it away.
    void thePictureChosenBecomesTheBackground() {
        const QColor plain = middleOfArea(&main());
        const QString picture = writePicture(app_->program.path("mare.png"), Qt::red);
        answerFileDialog(picture);
        main().findChild<QAction*>("MenuColVincenti(4)")->trigger();
        QCOMPARE(keptPath(app_->program), picture);
        QCOMPARE(middleOfArea(&main()), QColor(Qt::red));
        saveScreenshot(&main(), "sfondo");

        main().findChild<QAction*>("MenuColVincenti(5)")->trigger();
        QCOMPARE(keptPath(app_->program), QString());
        QCOMPARE(middleOfArea(&main()), plain);
    }

    // A file that is no picture is refused with a notice; the old choice stays.
    void aFileThatIsNoPictureChangesNothing() {
        const QString picture = writePicture(app_->program.path("mare.png"), Qt::blue);
        answerFileDialog(picture);
        main().findChild<QAction*>("MenuColVincenti(4)")->trigger();
        QFile text(app_->program.path("note.jpg"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        answerFileDialog(text.fileName());
        QString title;
        whenModalShows(
            [&title](QWidget* w) {
                title = w->windowTitle();
                w->findChild<QAbstractButton*>("OK")->click();
            },
            [](QWidget* w) { return qobject_cast<Avviso*>(w) != nullptr; });
        main().findChild<QAction*>("MenuColVincenti(4)")->trigger();
        QCOMPARE(title, QString("Inserisci sfondo"));
        QCOMPARE(keptPath(app_->program), picture);
        QCOMPARE(middleOfArea(&main()), QColor(Qt::blue));
    }

    // At start-up the kept picture is the background and the start-up
    // window shows it; a picture gone since falls back to none, quietly.
    void theStartUpReadsTheKeptPicture() {
        const struct {
            const char* file;
            bool shown;
        } cases[] = {{"verde.png", true}, {"sparita.png", false}, {"note.jpg", false}};
        for (const auto& c : cases) {
            TestProgram program;
            const QString path = program.path(c.file);
            if (QString(c.file) == "verde.png")
                writePicture(path, Qt::green);
            if (QString(c.file) == "note.jpg") {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("not a picture");
            }
            std::string error;
            QVERIFY(saveBackgroundPath(program.state->folder, path.toStdString(), error));
            const QPixmap picture = backgroundPicture(program.state->folder);
            QCOMPARE(!picture.isNull(), c.shown);
            Varnelo main(*program.state);
            main.show();
            QCOMPARE(middleOfArea(&main) == QColor(Qt::green), c.shown);
            if (!c.shown)
                continue;
            APartenza start(picture);
            QCOMPARE(start.objectName(), QString("APartenza"));
            QCOMPARE(start.width(), 2 * start.height()); // the picture's proportions
        }
    }
};

QTEST_MAIN(BackgroundTest)
#include "tst_background.moc"

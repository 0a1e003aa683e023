#include "UiTestSupport.h"
#include "WidgetDriving.h"
#include "core/SettingsFiles.h"
#include "printing/ui/ImpostaStampa.h"
#include "printing/ui/StampaTab.h"
#include "support/PdfPages.h"
#include "system/SystemPrinting.h"
#include "ui/PrintPreview.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>

#include <numeric>

using namespace varnelo;

namespace {

// The listing lines of the current system as the core writes them.
std::string coreListing(const ProgramState& s, ListingSize size, const ListingSections& sections) {
    std::string lines;
    writeSystemListing(
        s, size, sections, [&lines](const std::string& l) { lines += l + "\n"; },
        [] { return true; });
    return lines;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowUnderTest> app_;

    Varnelo& main() { return app_->main; }
    ProgramState& state() { return *app_->program.state; }
    // Clicks `button` of `w` and answers the notice that follows with
    // `answer`; the notice's title comes back.
    QString noticeAfter(QWidget* w, const QString& button, const QString& answer) {
        QString title;
        clickInNextModal(answer, &title);
        clickButton(w, button);
        return title;
    }

    // 53 130 columns: over 10 000 slips at five a slip, some hundred listing pages.
    void developManyColumns() {
        std::vector<int> numbers(25);
        std::iota(numbers.begin(), numbers.end(), 1);
        developAtPronostico(main(), numbers, {1, 2});
    }

  private Q_SLOTS:
    void initTestCase() { prepareWindowTests(); }
    void init() { app_ = std::make_unique<MainWindowUnderTest>(); }
    void cleanup() { app_.reset(); }

    // Without columns both print windows stay shut; with six columns the slip
    // count follows the columns per slip and printing asks first.
    void slipsOfADevelopedSystem() {
        QVERIFY(!openFromMenu(&main(), "MenuStampa(2)", "ImpostaStampa"));
        QVERIFY(!openFromMenu(&main(), "MenuStampa(3)", "StampaTab"));
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        auto* w = openFromMenu(&main(), "MenuStampa(2)", "ImpostaStampa");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Stampa schedine:"));
        auto* slips = w->findChild<QLabel*>("LabSchedine");
        QCOMPARE(slips->text(), QString("2"));
        w->findChild<QSpinBox*>("ColonnePerSchedina")->setValue(1);
        QCOMPARE(slips->text(), QString("6"));
        QCOMPARE(noticeAfter(w, "StampaSistema", "No"), QString("Stampa Schedine..."));
        QVERIFY(!QFile::exists(app_->program.path("enal/variestampa.txt")));

        QString title;
        whenModalShows([&title](QWidget* m) {
            title = m->windowTitle();
            m->close();
        });
        clickButton(w, "Anteprima");
        QCOMPARE(title, QString("  Anteprima di stampa  "));
        saveScreenshot(w, "ImpostaStampa");

        clickButton(w, "Tabulato");
        auto* listing = main().findChild<QWidget*>("StampaTab");
        QVERIFY(listing && listing->isVisible());
    }

    // F8 opens the window as the menu does; a system that is gone by the
    // time the player prints is refused.
    void f8OpensAndAMissingSystemIsRefused() {
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QTest::keyClick(main().windowHandle(), Qt::Key_F8);
        auto* w = main().findChild<QWidget*>("ImpostaStampa");
        QVERIFY(w && w->isVisible());
        state().columns.clear();
        QCOMPARE(noticeAfter(w, "StampaSistema", "OK"), QString("File manomesso o inesistente:"));
    }

    void tooManySlipsAreRefused() {
        developManyColumns();
        auto* w = openFromMenu(&main(), "MenuStampa(2)", "ImpostaStampa");
        QVERIFY(w);
        for (const char* button : {"StampaSistema", "Anteprima", "SalvaPdf"})
            QCOMPARE(noticeAfter(w, button, "OK"), QString("Troppe Schedine da stampare:"));
    }

    // The toolbar key opens the listing window; its PDF reads back as the
    // listing's lines, and the chosen size is kept.
    void listingPdfFromTheToolbar() {
        developAtPronostico(main(), {3, 11, 19, 27, 35, 43, 8}, {5, 9});
        auto* key = main().findChild<QToolBar*>()->findChild<QAction*>("StampaTabulato");
        QVERIFY(key && key->isEnabled());
        key->trigger();
        auto* w = main().findChild<QWidget*>("StampaTab");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Stampa tabulato:"));
        QVERIFY(w->findChild<QRadioButton*>("OptionCarattere(1)")->isChecked());
        QVERIFY(w->findChild<QCheckBox*>("ChStampa(4)")->isChecked());
        QVERIFY(!w->findChild<QCheckBox*>("ChStampa(0)")->isChecked());
        clickButton(w, "ChStampaSelez(0)");
        for (int i = 0; i < kListingSections; ++i)
            QVERIFY(w->findChild<QCheckBox*>(QString("ChStampa(%1)").arg(i))->isChecked());
        clickButton(w, "ChStampaSelez(1)");
        QVERIFY(!w->findChild<QCheckBox*>("ChStampa(4)")->isChecked());
        w->findChild<QCheckBox*>("ChStampa(0)")->setChecked(true);
        w->findChild<QCheckBox*>("ChStampa(4)")->setChecked(true);
        w->findChild<QRadioButton*>("OptionCarattere(2)")->setChecked(true);

        const QString pdf = app_->program.path("tabulato.pdf");
        answerFileDialog(pdf);
        clickButton(w, "SalvaPdf");
        ListingSections sections{};
        sections[0] = sections[4] = true;
        const std::string words = test::pdfWords(pdf.toStdString());
        QVERIFY(words.find("Sch. N° 1") != std::string::npos);
        QCOMPARE(words, test::wordsByLine(coreListing(state(), ListingSize::Large, sections)));
        QFile size(app_->program.path("andor/caratt.txt"));
        QVERIFY(size.open(QIODevice::ReadOnly));
        QCOMPARE(size.readAll().trimmed(), QByteArray("2"));
        saveScreenshot(w, "StampaTab");
    }

    // A long listing goes to the PDF behind a progress window; "Annulla:"
    // stops it and leaves the old file as it was.
    void stoppedListingLeavesTheOldPdf() {
        developManyColumns();
        auto* w = openFromMenu(&main(), "MenuStampa(3)", "StampaTab");
        QVERIFY(w);
        const QString pdf = app_->program.path("lungo.pdf");
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("vecchio");
        old.close();
        answerFileDialog(pdf);
        // The file dialog asks before writing over the old file.
        whenModalShows(
            [](QWidget* m) { static_cast<QMessageBox*>(m)->button(QMessageBox::Yes)->click(); },
            [](QWidget* m) { return qobject_cast<QMessageBox*>(m) != nullptr; });
        QString stopCaption;
        whenModalShows(
            [&stopCaption](QWidget* m) {
                auto* stop = m->findChild<QPushButton*>("Annulla");
                stopCaption = stop->text();
                stop->click();
            },
            [](QWidget* m) { return m->objectName() == "Caricamento"; });
        clickButton(w, "SalvaPdf");
        QCOMPARE(stopCaption, QString("Annulla:"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("vecchio"));
        QCOMPARE(filesIn(QFileInfo(pdf).path()), QStringList({"lungo.pdf"}));
    }

    // The calibration window from its menu item: a shift set there moves
    // every mark of the test slip's PDF alike and is kept at once.
    void calibrationShiftMovesTheTestMarks() {
        auto* w = openFromMenu(&main(), "MenuStampa(0)", "ImpostaStampante");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Taratura Schedine:"));
        QStringList captions;
        for (auto* b : w->findChildren<QPushButton*>())
            captions << b->text();
        for (const char* c :
             {"  Prova Stampa  ", "  Anteprima di stampa  ", "   Impostazioni Originali   "})
            QVERIFY2(captions.contains(c), c);
        w->findChild<QRadioButton*>("ConInkTar(2)")->click(); // "Pochi"
        clickButton(w, "ComSpazAB(3)");                       // grid 3 alone
        w->findChild<QSlider*>("Slider1")->setValue(140);
        w->findChild<QSlider*>("Slider2")->setValue(-100);
        saveScreenshot(w, "ImpostaStampante");

        const QString pdf = app_->program.path("taratura.pdf");
        answerFileDialog(pdf);
        clickButton(w, "SalvaPdf");
        const test::Picture page = test::renderPage(pdf.toStdString(), 1);
        QVERIFY(page.ok());
        const SlipLayout layout = defaultSlipLayout();
        auto shifted = [](TwipPoint p) { return TwipPoint{p.x + 140, p.y - 100}; };
        for (int cell : {1, 5, 45, 49, 51, 60, 61, 70}) {
            QCOMPARE(page.markAt(shifted(layout.at(3, cell))), 0x000000U);
            QCOMPARE(page.markAt(layout.at(3, cell)), 0xFFFFFFU);
            QCOMPARE(page.markAt(shifted(layout.at(1, cell))), 0xFFFFFFU);
        }
        QCOMPARE(page.markAt(shifted(layout.at(3, 2))), 0xFFFFFFU);

        std::optional<Notice> notice;
        const CalibrationSettings kept = readCalibration(state().folder, notice);
        QVERIFY(!notice);
        QVERIFY(kept.shift == (SlipShift{SlipEntry::Left, 140, -100}));
        QCOMPARE(kept.marker, 3);
        QVERIFY(kept.ink == TestInk::Few);
        // A machine without a printer says so when the test slip is printed.
        if (QPrinterInfo::defaultPrinter().isNull())
            QCOMPARE(noticeAfter(w, "ProvaStampa", "OK"), QString(" Errore dalla stampante:"));
    }

    // "   Impostazioni Originali   " puts back the layout delivered with the
    // program and takes the shift away.
    void originalSettingsRestoreTheLayout() {
        SlipLayout moved = defaultSlipLayout();
        moved.cells[0][0] = {10, 20};
        std::string error;
        QVERIFY(writeSlipLayout(state().folder, moved, error));
        auto* w = openFromMenu(&main(), "MenuStampa(0)", "ImpostaStampante");
        QVERIFY(w);
        auto* across = w->findChild<QSlider*>("Slider1");
        across->setValue(300);
        clickButton(w, "Originali");
        std::optional<Notice> notice;
        QVERIFY(readSlipLayout(state().folder, notice) == defaultSlipLayout());
        QCOMPARE(across->value(), 0);
        QCOMPARE(readCalibration(state().folder, notice).shift.dx, 0);
    }

    // The receipt window from "Stampa schedine:": a colour chosen for a part
    // of the receipt is kept, and a picture that is missing leaves the
    // receipt without one.
    void receiptColoursAndPicture() {
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        auto* slips = openFromMenu(&main(), "MenuStampa(2)", "ImpostaStampa");
        QVERIFY(slips);
        clickButton(slips, "Cedolina");
        auto* w = main().findChild<QWidget*>("InposCedolina");
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Anteprima Cedolina:"));
        QStringList roles;
        for (int i = 0; i < 11; ++i)
            roles << w->findChild<QRadioButton*>(QString("OptColora(%1)").arg(i))->text();
        QCOMPARE(roles,
                 QStringList({"Scritta Pubblic.", "Quota Totale:", "Quota Scritta:", "Quota Linea:",
                              "Quota numeri", "Costo:", "Dati Sistema:", "Dati Ricevitoria:",
                              "Scritta Personale:", "Casella Numero:", "Numeri"}));
        w->findChild<QRadioButton*>("OptColora(5)")->click();
        whenModalShows(
            [](QWidget* m) {
                auto* d = static_cast<QColorDialog*>(m);
                d->setCurrentColor(QColor(0x12, 0x34, 0x56));
                d->accept();
            },
            [](QWidget* m) { return qobject_cast<QColorDialog*>(m) != nullptr; });
        clickButton(w, "Colore");
        std::optional<Notice> notice;
        QCOMPARE(readSlipPrintSettings(state().folder, notice).receiptColours[5], 0x123456U);
        saveScreenshot(w, "InposCedolina");

        // The ink right of the text: the picture of the theme.
        auto pictureInk = [this, w](const QString& name) {
            const QString pdf = app_->program.path(name);
            answerFileDialog(pdf);
            clickButton(w, "SalvaPdf");
            const test::Picture page = test::renderPage(pdf.toStdString(), 1);
            int ink = 0;
            for (int y = 0; y < page.height; ++y)
                for (int x = page.width * 3 / 4; x < page.width; ++x)
                    ink += page.at(x, y) != 0xFFFFFFU;
            return ink;
        };
        QVERIFY(pictureInk("con-disegno.pdf") > 1000);
        const auto pictures = readReceiptPictures(state().folder);
        QVERIFY(!pictures.empty());
        QVERIFY(QFile::remove(
            app_->program.path(QString::fromStdString("immagini/" + pictures[0].file))));
        QCOMPARE(pictureInk("senza-disegno.pdf"), 0);
        QVERIFY(QString::fromStdString(
                    test::pdfWords(app_->program.path("senza-disegno.pdf").toStdString()))
                    .contains("Nome Sistema ="));
    }

    // "Imposta stampa" from its menu item: the printers, the receipt's
    // copies, the confirmation and the shop data are kept in their files.
    void printSetUpIsKept() {
        auto* w = openFromMenu(&main(), "MenuStampa(4)", "ImpostaStampaTabulato");
        QVERIFY(w);
        QCOMPARE(w->findChild<QComboBox*>("StampanteSchedine")->itemText(0),
                 QString("Stampante predefinita"));
        w->findChild<QSpinBox*>("CopieCedolina")->setValue(3);
        w->findChild<QCheckBox*>("Conferma")->setChecked(false);
        w->findChild<QComboBox*>("TipoRicevitoria")->setCurrentIndex(2);
        auto* name = w->findChild<QLineEdit*>("Cedolina(0)");
        name->clear();
        QTest::keyClicks(name, "Da Gino");
        saveScreenshot(w, "ImpostaStampaTabulato");
        clickButton(w, "OK");

        SettingsFiles files;
        QVERIFY(loadSettingsFiles(state().folder, files).empty());
        QCOMPARE(files.print.printer, (std::array<std::string, 4>{"", "", "3", "0"}));
        QCOMPARE(files.print.couponLayout[0], std::string("Da Gino"));
        QCOMPARE(files.print.couponLayout[1], std::string("2"));
        QVERIFY(state().printSettings == files.print);
        // Without the confirmation the slips go straight to the printer,
        // which a machine without one refuses.
        if (!QPrinterInfo::defaultPrinter().isNull())
            return;
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        auto* slips = openFromMenu(&main(), "MenuStampa(2)", "ImpostaStampa");
        QVERIFY(slips);
        QCOMPARE(noticeAfter(slips, "StampaSistema", "OK"), QString(" Errore dalla stampante:"));
    }

    // Columns that cannot be read stop the slips and the listing alike:
    // the notice says the system is damaged and no PDF is left.
    void damagedSystemWritesNoPdf() {
        developAtPronostico(main(), {1, 2, 3, 4, 5, 6}, {1, 2});
        // Four more columns said to wait in qor/qor.qor, which is not there.
        state().columns.systemTotal = 10;
        const struct {
            const char* item;
            const char* window;
        } cases[] = {{"MenuStampa(2)", "ImpostaStampa"}, {"MenuStampa(3)", "StampaTab"}};
        for (const auto& c : cases) {
            auto* w = openFromMenu(&main(), c.item, c.window);
            QVERIFY(w);
            const QString pdf = app_->program.path(QString(c.window) + ".pdf");
            answerFileDialog(pdf);
            QString title;
            whenModalShows(
                [&title](QWidget* m) {
                    title = m->windowTitle();
                    m->findChild<QPushButton*>("OK")->click();
                },
                [](QWidget* m) { return m->objectName() == "Avviso"; });
            clickButton(w, "SalvaPdf");
            QCOMPARE(title, QString("File manomesso o inesistente:"));
            QVERIFY(!QFile::exists(pdf));
        }
    }

    // A PDF replaces the old one only when whole.
    void pdfReplacesTheOldOneOnlyWhenWhole() {
        const struct {
            const char* name;
            bool cancel;
            bool draws;
            bool saved;
        } cases[] = {
            {"whole", false, true, true},
            {"stopped", true, true, false},
            {"nothing drawn", false, false, false},
        };
        for (const auto& c : cases) {
            QTemporaryDir dir;
            const QString file = dir.filePath("pagine.pdf");
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("vecchio");
            old.close();
            Progress progress;
            const bool saved = savePdf(
                file,
                [&](QPagedPaintDevice& device) {
                    if (!c.draws)
                        return;
                    QPainter painter(&device);
                    painter.drawText(100, 100, "Pagina");
                    progress.cancel = c.cancel;
                },
                &progress);
            QVERIFY2(saved == c.saved, c.name);
            QVERIFY(old.open(QIODevice::ReadOnly));
            const QByteArray bytes = old.readAll();
            old.close();
            QVERIFY2(bytes.startsWith("%PDF") == c.saved, c.name);
            QVERIFY2(bytes == "vecchio" || c.saved, c.name);
            QCOMPARE(filesIn(dir.path()), QStringList({"pagine.pdf"}));
        }
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"

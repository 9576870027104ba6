// The preview prepared while page 3 is on show is written on a worker thread: it must be the
// preview the window's own thread writes, and one that comes back for a design changed since, or
// after the window has gone, must leave nothing behind. The browser is not started here: only
// the files are looked at.

#include "gui_helpers.h"

#include "app/PreviewPage.h"
#include "imaging/PngObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <thread>

using namespace GuiTest;

namespace {

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Holds every thread of a pool until Open, so that a job handed to it waits.
class PoolGate {
public:
    explicit PoolGate(QThreadPool &pool) : m_count(pool.maxThreadCount())
    {
        for (int i = 0; i < m_count; ++i)
            pool.start([gate = m_gate] { gate->acquire(); });
    }
    ~PoolGate() { Open(); }
    void Open() { m_gate->release(m_count.exchange(0)); }

private:
    std::atomic<int> m_count;
    std::shared_ptr<QSemaphore> m_gate = std::make_shared<QSemaphore>();
};

} // namespace

class PreviewPrepareTest : public QObject {
    Q_OBJECT

    ProgramFolder m_program;
    QTemporaryDir m_temp;
    std::unique_ptr<TMainForm> m_form;

    // The preview folders in the temporary folder.
    QStringList Previews() const
    {
        QStringList found;
        for (const QString &name :
             QDir(m_temp.path()).entryList({QStringLiteral("Popup_*")}, QDir::Dirs))
            found << m_temp.filePath(name);
        return found;
    }

    void SetCookieName(const QString &name)
    {
        const TDesignState before = m_form->Document.Snapshot();
        m_form->Document.Settings.CookieName = name;
        m_form->Document.Announce(before);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        m_program.container(QStringLiteral("img.stg"),
                            {m_program.png(QStringLiteral("1.png"), 64, 64, QColor(230, 20, 200))});
    }

    void init()
    {
        m_form.reset(); // the picture base is kept by one window at a time
        m_form = openWindow(m_program);
        SetCookieName(QStringLiteral("Cookie_ID_1"));
    }

    void cleanupTestCase() { m_form.reset(); }

    // A design with everything the composition draws (the template, a turned text, a close
    // button, the picture for dense screens): the worker's files are byte for byte those the
    // window's thread writes.
    void theWorkersPreviewIsTheWindowsOwn()
    {
        TDesignDocument &document = m_form->Document;
        const TDesignState before = document.Snapshot();
        TMovingObject &text = document.Model.AppendTextObject(document.DocumentSize);
        text.Lines = QStringList{QStringLiteral("Summer sale!"), QStringLiteral("Ends Sunday")};
        text.Font.Size = 28;
        text.Font.Bold = true;
        text.Font.Color = 0x3020C0;
        text.Angle = 20;
        QImage cross(24, 24, QImage::Format_ARGB32);
        cross.fill(qRgba(10, 10, 10, 160));
        TPNGObject button;
        button.assignImage(cross);
        document.SetCloseButton(DesignPictureOf(button, true));
        document.Settings.SharpPicture = true;
        QVERIFY(document.Announce(before));

        m_form->ShowPage(3);
        QTRY_COMPARE_WITH_TIMEOUT(m_form->TempFolders.size(), 2, 10000);
        const QDir worker(m_form->TempFolders.first());
        const QDir window = QFileInfo(m_form->Preview->WritePreviewFiles()).dir();
        QVERIFY(worker != window);
        for (const char *name : {"index.htm", "files/logo.png", "files/logo@2x.png",
                                 "files/script.js", "files/pix.gif"}) {
            const QByteArray bytes = Read(window.filePath(QLatin1String(name)));
            QVERIFY2(!bytes.isEmpty(), name);
            QVERIFY2(Read(worker.filePath(QLatin1String(name))) == bytes, name);
        }
    }

    // The worker is held while the design changes, Next is clicked or the window goes.
    void aPreviewUnderWayEndsWell_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::newRow("design changed") << QStringLiteral("change");
        QTest::newRow("Next clicked") << QStringLiteral("next");
        QTest::newRow("window closed") << QStringLiteral("close");
    }
    void aPreviewUnderWayEndsWell()
    {
        QFETCH(QString, meanwhile);
        auto gate = std::make_unique<PoolGate>(m_form->Preview->Workers());
        m_form->ShowPage(3);
        // The job's folder is made at once; its files wait for the pool.
        QTRY_COMPARE_WITH_TIMEOUT(Previews().size(), 1, 5000);
        const QString first = Previews().first();
        QVERIFY(m_form->TempFolders.isEmpty());
        // Opened from another thread while this one waits for the job.
        std::jthread opener([&gate] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            gate->Open();
        });

        if (meanwhile == QLatin1String("close")) {
            m_form.reset();
            opener.join();
            QTest::qWait(300);
            QCOMPARE(Previews(), QStringList());
            return;
        }
        if (meanwhile == QLatin1String("next")) {
            const QString page = m_form->Preview->PreviewFiles();
            QCOMPARE(QFileInfo(page).path(), first);
            QVERIFY(Read(first + QStringLiteral("/files/script.js")).contains("'Cookie_ID_1'"));
            QVERIFY(m_form->TempFiles.contains(first + QStringLiteral("/files/script.js")));
            return;
        }

        // The old design's preview comes back and is thrown away; the new one's is prepared.
        SetCookieName(QStringLiteral("Cookie_ID_2"));
        opener.join();
        QTRY_VERIFY_WITH_TIMEOUT(!m_form->TempFolders.isEmpty(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(first), 5000);
        for (const QString &listed : m_form->TempFiles + m_form->TempFolders)
            QVERIFY2(!listed.startsWith(first), qPrintable(listed));
        const QString prepared = m_form->TempFolders.first();
        QCOMPARE(Previews(), QStringList{prepared});
        QVERIFY(Read(prepared + QStringLiteral("/files/script.js")).contains("'Cookie_ID_2'"));
        QCOMPARE(QFileInfo(m_form->Preview->PreviewFiles()).path(), prepared);
    }
};

VANTELLE_GUI_TEST_MAIN(PreviewPrepareTest)
#include "preview_prepare_test.moc"

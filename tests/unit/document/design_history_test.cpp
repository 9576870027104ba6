#include "designer/DesignRenderer.h"
#include "document/DesignDocument.h"
#include "document/DesignHistory.h"
#include "imaging/AdditionalPng.h"
#include "imaging/Bitmap32.h"
#include "imaging/PngObject.h"
#include "unit_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

TDesignPicture Solid(int width, int height, uint32_t argb, bool createAlpha = false)
{
    Bitmap32 image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? argb : argb ^ 0x00303030u);
    TPNGObject png;
    Bitmap32ToPng(image, png);
    return DesignPictureOf(png, createAlpha);
}

QImage Render(TDesignDocument &doc)
{
    Bitmap32 bitmap(500, 500);
    RenderDesign(bitmap, doc.TemplatePicture(), doc.DocumentSize, doc.Model, -1, Qt::white);
    return bitmap.asQImage().copy();
}

class DesignHistoryTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureGuiApp(); }

    // Makes one change through the history as a page does: state before, change, record.
    void Change(const QString &text, const std::function<void()> &change,
                TChangeKind kind = TChangeKind::Other, int object = -1)
    {
        const TDesignState before = m_doc.Snapshot();
        change();
        m_history.Record(text, before, kind, object);
    }
    TMovingObject &Text(int i) { return *m_doc.Model.DesignObjects[static_cast<size_t>(i)]; }

    TDesignDocument m_doc;
    TDesignHistory m_history{m_doc};
};

TEST_F(DesignHistoryTest, UndoingEveryStepGivesTheFirstRenderAndRedoingGivesTheLast)
{
    m_doc.SetTemplate(Solid(40, 30, 0xFF3366CCu));
    const QImage first = Render(m_doc);
    int restored = 0;
    m_history.OnRestored = [&] { ++restored; };

    Change("add",
           [&] { m_doc.Model.AppendTextObject(m_doc.DocumentSize).Lines = QStringList{"Hello"}; });
    for (const char *typed : {"Hello ", "Hello w", "Hello wo", "Hello world"})
        Change(
            "type", [&] { Text(1).Lines = QStringList{typed}; }, TChangeKind::Typing, 1);
    Change("copy", [&] {
        TMovingObject &copy = m_doc.Model.AppendTextObject(m_doc.DocumentSize);
        copy.Lines = Text(1).Lines;
    });
    for (int step = 1; step <= 5; ++step)
        Change(
            "drag", [&] { Text(2).X = 70 + 9 * step; }, TChangeKind::Drag, 2);
    m_history.BreakGroup();
    Change("face", [&] { Text(1).Font.Name = QStringLiteral("DejaVu Serif"); });
    Change("size", [&] { Text(1).Font.Size = 30; });
    Change("colour", [&] { Text(1).Font.Color = 0x0000FF; });
    Change("style", [&] { Text(1).Font.Bold = Text(1).Font.Italic = true; });
    Change("angle", [&] { Text(1).Angle = 45; });
    Change("close button", [&] { m_doc.SetCloseButton(Solid(24, 24, 0xFF000000u, true)); });
    Change("scale", [&] { m_doc.Model.CloseButtonObject()->ButtonScale = 1.5; });
    Change("document size", [&] { m_doc.DocumentSize = 300; });
    Change("template", [&] { m_doc.SetTemplate(Solid(16, 64, 0x80FF8000u)); });
    Change("erase", [&] { m_doc.Model.RemoveObject(&Text(2)); });
    Change("nothing", [] {});
    const QImage last = Render(m_doc);
    const TDesignState lastState = m_doc.Snapshot();

    // Four typing steps and five drag steps are one step each; the change that changed nothing
    // is none.
    EXPECT_EQ(m_history.Stack().count(), 14);
    while (m_history.Stack().canUndo())
        m_history.Stack().undo();
    EXPECT_EQ(restored, 14);
    EXPECT_EQ(m_doc.Model.DesignObjects.size(), 1u);
    EXPECT_TRUE(Render(m_doc) == first);
    while (m_history.Stack().canRedo())
        m_history.Stack().redo();
    EXPECT_TRUE(Render(m_doc) == last);
    EXPECT_TRUE(m_doc.Snapshot() == lastState);
}

TEST_F(DesignHistoryTest, SettingsAndOutputAreStepsAndTypingInOneBoxIsOne)
{
    Change("add", [&] { m_doc.Model.AppendTextObject(m_doc.DocumentSize); });
    Change("settings", [&] { m_doc.Settings.AutoClose = true; });
    for (const char *typed : {"a", "ab", "abc"})
        Change(
            "page", [&] { m_doc.Output.ExistingFile = QString::fromLatin1(typed); },
            TChangeKind::Field, 7);
    Change(
        "link", [&] { m_doc.Settings.LinkURL = QStringLiteral("x"); }, TChangeKind::Field, 8);
    EXPECT_EQ(m_history.Stack().count(), 4);
    m_history.Stack().undo();
    EXPECT_EQ(m_doc.Output.ExistingFile, QStringLiteral("abc"));
    m_history.Stack().undo();
    EXPECT_TRUE(m_doc.Output.ExistingFile.isEmpty());
    m_history.Stack().undo();
    EXPECT_FALSE(m_doc.Settings.AutoClose);
}

TEST_F(DesignHistoryTest, KeepsAtLeastAHundredSteps)
{
    for (int i = 0; i < 150; ++i)
        Change("move", [&] { m_doc.Model.CloseButtonObject()->X += 8; });
    int undone = 0;
    while (m_history.Stack().canUndo()) {
        m_history.Stack().undo();
        ++undone;
    }
    EXPECT_EQ(undone, 150);
    EXPECT_EQ(m_doc.Model.CloseButtonObject()->X, 400);
}

TEST_F(DesignHistoryTest, TypingAfterAnUndoStartsANewStep)
{
    Change("add", [&] { m_doc.Model.AppendTextObject(m_doc.DocumentSize); });
    Change(
        "type", [&] { Text(1).Lines = QStringList{"a"}; }, TChangeKind::Typing, 1);
    m_history.Stack().undo();
    Change(
        "type", [&] { Text(1).Lines = QStringList{"b"}; }, TChangeKind::Typing, 1);
    EXPECT_EQ(m_history.Stack().count(), 2);
    m_history.Stack().undo();
    EXPECT_TRUE(Text(1).Lines.isEmpty());
}

} // namespace

// Views learn of a change from the document alone: each step names the parts it touched, once,
// with a new revision, and its undo names the same parts; a step that changes nothing is silent.
TEST_F(DesignHistoryTest, EveryStepAnnouncesThePartsItTouched)
{
    std::vector<TDesignParts> heard;
    QObject::connect(&m_doc, &TDesignDocument::Changed,
                     [&](TDesignParts parts) { heard.push_back(parts); });
    const struct {
        const char *name;
        std::function<void()> change;
        TDesignParts parts;
    } cases[] = {
        {"template", [&] { m_doc.SetTemplate(Solid(8, 8, 0xFF112233u)); }, TDesignPart::Template},
        {"size", [&] { m_doc.DocumentSize = 250; }, TDesignPart::Size},
        {"text", [&] { m_doc.Model.AppendTextObject(250).Lines = QStringList{"Hi"}; },
         TDesignPart::Texts},
        {"button", [&] { m_doc.SetCloseButton(Solid(8, 8, 0xFF000000u, true)); },
         TDesignPart::CloseButton},
        {"drag button", [&] { m_doc.Model.CloseButtonObject()->X += 8; }, TDesignPart::CloseButton},
        {"settings", [&] { m_doc.Settings.AutoClose = true; }, TDesignPart::Settings},
        {"output", [&] { m_doc.Output.SaveToFolder = QStringLiteral("/x"); }, TDesignPart::Output},
        {"two parts",
         [&] {
             m_doc.DocumentSize = 300;
             m_doc.Settings.LinkURL = QStringLiteral("a.htm");
         },
         TDesignPart::Size | TDesignPart::Settings},
        {"nothing", [] {}, TDesignParts()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        heard.clear();
        const quint64 revision = m_doc.Revision();
        m_history.Change(QString::fromLatin1(c.name), c.change);
        if (!c.parts) {
            EXPECT_TRUE(heard.empty());
            EXPECT_EQ(m_doc.Revision(), revision);
            continue;
        }
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0], c.parts);
        EXPECT_EQ(m_doc.Revision(), revision + 1);
    }
    for (auto c = std::rbegin(cases) + 1; c != std::rend(cases); ++c) {
        SCOPED_TRACE(c->name);
        heard.clear();
        const quint64 revision = m_doc.Revision();
        m_history.Stack().undo();
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0], c->parts);
        EXPECT_GT(m_doc.Revision(), revision);
    }
}

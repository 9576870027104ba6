#include "designer/DesignModel.h"
#include "designer/DesignRenderer.h"
#include "designer/FontPickers.h"
#include "imaging/VantelleError.h"

#include "design_helpers.h"
#include "tests/cases/DesignerCases.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TMovingObject &AddTextAt(TDesignModel &model, int x, int y)
{
    TMovingObject &object = model.AppendTextObject(500);
    object.X = x;
    object.Y = y;
    return object;
}

} // namespace

TEST(DesignModel, CloseButtonObjectStartsAsEntryZeroAt400By50)
{
    TDesignModel model;
    model.CreateCloseButtonObject(500);
    ASSERT_EQ(model.DesignObjects.size(), 1u);
    const TMovingObject *button = model.CloseButtonObject();
    EXPECT_TRUE(button->IsPicture);
    EXPECT_EQ(std::pair(button->X, button->Y), std::pair(400, 50));
    EXPECT_EQ(button->ButtonScale, 1.0);
    EXPECT_EQ(button->ButtonPicture, nullptr);
    // The default position follows the document size: 50 pixels into the centred square.
    EXPECT_EQ(TMovingObject(150).X, 225);
}

TEST(DesignModel, NewTextObjectsStepPastOccupiedDefaultPositions)
{
    TDesignModel model;
    model.CreateCloseButtonObject(500);
    std::vector<std::pair<int, int>> placed;
    for (int i = 0; i < 3; ++i) {
        const TMovingObject &object = model.AppendTextObject(500);
        placed.emplace_back(object.X, object.Y);
        EXPECT_EQ(model.DesignObjects.back().get(), &object);
    }
    std::vector<std::pair<int, int>> expected;
    for (const TPosition &p : DefaultPositions)
        expected.emplace_back(p.x, p.y);
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(model.CloseButtonObject(), model.DesignObjects.front().get());
}

TEST(DesignModel, BlockingNeedsBothDifferencesBelowTen)
{
    const struct {
        int x, y;
        int expectedX;
    } cases[] = {
        {55, 48, 70},  // differences 5 and 2 block
        {60, 50, 50},  // a difference of 10 does not
        {41, 41, 70},  // 9 and 9 block
        {50, 60, 50},  // 0 and 10 do not
        {400, 50, 50}, // the close button's start position never blocks
    };
    for (const auto &c : cases) {
        TDesignModel model;
        model.CreateCloseButtonObject(500);
        AddTextAt(model, c.x, c.y);
        const TMovingObject &added = model.AppendTextObject(500);
        EXPECT_EQ(added.X, c.expectedX) << c.x << "," << c.y;
        EXPECT_EQ(added.Y, c.expectedX) << c.x << "," << c.y;
    }
}

TEST(DesignModel, RemoveKeepsTheCloseButton)
{
    TDesignModel model;
    model.CreateCloseButtonObject(500);
    TMovingObject &text = model.AppendTextObject(500);
    model.RemoveObject(model.CloseButtonObject());
    EXPECT_EQ(model.DesignObjects.size(), 2u);
    model.RemoveObject(&text);
    EXPECT_EQ(model.DesignObjects.size(), 1u);
    EXPECT_FALSE(model.Contains(&text));
}

TEST(DesignModel, HitTestLastObjectWinsAndRightBottomEdgesAreOutside)
{
    // The close button without a picture has the empty bounds (X, Y, X, Y); then a lower and
    // an upper text.
    const std::vector<TRect> bounds = {TRect{400, 50, 400, 50}, TRect{10, 10, 100, 100},
                                       TRect{50, 50, 150, 150}};
    constexpr int lower = 1, upper = 2, none = -1;

    const struct {
        int x, y;
        int expected;
    } cases[] = {
        {60, 60, upper}, {20, 20, lower},   {10, 10, lower}, {100, 20, none},
        {20, 100, none}, {149, 149, upper}, {150, 60, none}, {400, 50, none},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HitTest(bounds, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(DesignModel, MouseDownStoresOffsetsAndOnlyTheLeftButtonDrags)
{
    TDesignModel model;
    model.CreateCloseButtonObject(500);
    TMovingObject &text = AddTextAt(model, 50, 50);
    const std::vector<TRect> bounds = {TRect{400, 50, 400, 50}, TRect{48, 48, 152, 72}};
    TDesignSelection selection;

    const int hit = selection.MouseDown(model, bounds, 60, 55);
    ASSERT_EQ(model.At(hit), &text);
    EXPECT_EQ(std::pair(selection.DragOffsetX, selection.DragOffsetY), std::pair(10, 5));
    selection.Index = hit;

    EXPECT_FALSE(selection.MouseMove(model, false, 200, 200)); // right button only
    EXPECT_EQ(std::pair(text.X, text.Y), std::pair(50, 50));
    EXPECT_TRUE(selection.MouseMove(model, true, -30, 15));
    EXPECT_EQ(std::pair(text.X, text.Y), std::pair(-40, 10));

    EXPECT_EQ(selection.MouseDown(model, bounds, 300, 300), -1);
    selection.Index = -1;
    EXPECT_FALSE(selection.MouseMove(model, true, 0, 0));
}

TEST(DesignModel, DirectionButtonsMoveByEightWithoutLimit)
{
    TMovingObject object(500);
    const std::pair<int, std::pair<int, int>> steps[] = {
        {1, {50, 42}}, {1, {50, 34}}, {2, {50, 42}}, {3, {42, 42}}, {4, {50, 42}}, {9, {50, 42}}};
    for (const auto &[tag, expected] : steps) {
        MoveObjectByTag(object, tag);
        EXPECT_EQ(std::pair(object.X, object.Y), expected) << "tag " << tag;
    }
    for (int i = 0; i < 10; ++i)
        MoveObjectByTag(object, 1);
    EXPECT_EQ(object.Y, -38);
}

TEST(DesignModel, AnglesFoldIntoMinus179To180)
{
    for (const TAngleCase &c : AngleCases)
        EXPECT_EQ(NormaliseAngle(ParseAngleText(QString::fromLatin1(c.typed))), c.angle) << c.typed;
}

TEST(DesignModel, ScaleStepsAccumulateAndLabelRoundsTo15Digits)
{
    for (const TScaleCase &c : ScaleCases) {
        double scale = 1.0;
        for (int press = 1; press <= c.presses; ++press) {
            ASSERT_TRUE(c.increase ? CanIncreaseButtonScale(scale) : CanDecreaseButtonScale(scale))
                << c.label << " press " << press;
            scale = StepButtonScale(scale, c.increase);
        }
        EXPECT_EQ(ButtonScaleLabel(scale), c.label);
        EXPECT_EQ(c.increase ? CanIncreaseButtonScale(scale) : CanDecreaseButtonScale(scale),
                  c.canPressAgain)
            << c.label;
    }
    double scale = 1.0;
    for (int press = 1; press <= 10; ++press)
        scale = StepButtonScale(scale, true);
    EXPECT_GT(scale, 2.0);
    // The double nearest 0.2 still counts as above the limit.
    EXPECT_TRUE(CanDecreaseButtonScale(0.2));
    EXPECT_FALSE(CanDecreaseButtonScale(0.19999999999999998));
}

TEST(FontPickers, SelectFontColorUsesPaletteFirstElseTheCustomSlot)
{
    std::vector<uint32_t> items(PaletteColors().begin(), PaletteColors().end());
    items.push_back(0);
    ASSERT_EQ(items.size(), static_cast<size_t>(FontColorCount));

    for (const TColourCase &c : ColourCases) {
        EXPECT_EQ(SelectFontColorIndex(items, c.colour), c.item) << std::hex << c.colour;
        EXPECT_EQ(items[CustomColorSlot], c.customAfter) << std::hex << c.colour;
    }
}

TEST(FontPickers, SizesAndParsing)
{
    EXPECT_EQ(FontSizeItems().join(','), "8,9,10,11,12,14,16,18,24,30,36,42,48,54,60,66,72");
    EXPECT_EQ(ParseFontSize("13"), 13);
    for (const QString &text : {QStringLiteral("abc"), QString(), QStringLiteral("12pt"),
                                QStringLiteral("99999999999")}) {
        try {
            ParseFontSize(text);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const EConvertError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(FontPickers, FaceListIsSortedWithoutCaseDuplicatesAndDefaultsFollowTheOrder)
{
    EXPECT_EQ(SortedFaceNames({"arial", "Zeta", "Arial", "", "beta", "ARIAL"}),
              (QStringList{"arial", "beta", "Zeta"}));

    const std::pair<QStringList, QString> cases[] = {
        {{"Arial", "Comic Sans MS", "Times New Roman"}, "Comic Sans MS"},
        {{"Arial", "times new roman"}, "times new roman"},
        {{"Arial", "Zeta"}, "Arial"},
        {{"Comic Neue", "Liberation Sans", "Liberation Serif"}, "Comic Neue"},
        {{"Liberation Sans", "Liberation Serif"}, "Liberation Serif"},
        {{"DejaVu Sans", "Liberation Sans"}, "Liberation Sans"},
        {{"DejaVu Sans", "Noto Mono"}, "DejaVu Sans"},
        {{}, ""},
    };
    for (const auto &[faces, expected] : cases)
        EXPECT_EQ(DefaultFontFace(faces), expected) << faces.join(',').toStdString();

    // An object's face is found in the list itself, else through its look-alike.
    const QStringList faces{"Comic Neue", "DejaVu Sans", "Liberation Serif"};
    const std::pair<QString, int> lookups[] = {
        {"comic neue", 0}, {"Comic Sans MS", 0}, {"Times New Roman", 2}, {"Arial", -1}, {"", -1}};
    for (const auto &[face, expected] : lookups)
        EXPECT_EQ(IndexOfFaceOrLookAlike(faces, face), expected) << face.toStdString();
}

TEST(CloseButtonList, PicturesFitTheItemHeightWithHalvesToEven)
{
    const struct {
        int w, h, expected;
    } cases[] = {{48, 24, 48}, {30, 20, 36}, {21, 48, 10}, {23, 48, 12}, {10, 10, 24}};
    for (const auto &c : cases)
        EXPECT_EQ(FittedItemWidth(c.w, c.h, 24), c.expected) << c.w << "x" << c.h;
}

#include "app/page_paint.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

#include "app/area_kind.h"
#include "app/page_control_layout.h"
#include "common/item_index.h"
#include "settings/dpi_table.h"
#include "settings/report_rate.h"

namespace {

constexpr Rect kPageTitleRect{105, 51, 320, 99};
constexpr Rect kWebLinkRect{260, 629, 450, 645};
// The profile in force, right-aligned up to the Profiles button, clear of the wordmark at the left.
constexpr Rect kProfileNameRect{400, 5, 671, 23};
constexpr int kDropdownNumberWidth = 20;
constexpr int kDpiPositionsMax = 12;
constexpr int kSliderSegments = 11;

class PagePainter {
public:
    explicit PagePainter(const PagePaintInput& input) : input_(input) {}

    std::vector<PaintElement> take() { return std::move(elements_); }

    void image(SkinImage image, Point at) {
        elements_.emplace_back(std::in_place_type<ImageElement>, image, at);
    }
    void append(std::vector<PaintElement> elements) {
        std::ranges::move(elements, std::back_inserter(elements_));
    }
    void text(std::wstring text, Rect rect, TextAlign align, FontRole font = FontRole::Normal) {
        elements_.emplace_back(std::in_place_type<TextElement>, std::move(text), rect, font, align);
    }
    void text(TextKey key, Rect rect, TextAlign align, FontRole font = FontRole::Normal) {
        text(input_.text(key), rect, align, font);
    }

    void buttonImage(const HotAreaEntry& button, const ButtonLook& look, bool over) {
        image(over ? look.over : look.normal, button.rect.topLeft());
    }

    // What stands on a push button: its caption, or a drop-down header's number and label.
    void buttonCaption(const HotAreaEntry& button, const ButtonLook& look) {
        if (look.showsAssignment) {
            dropdownTexts(ButtonIndex{button.index});
        } else if (look.caption) {
            text(*look.caption, button.rect, TextAlign::Centre);
        }
    }

    // The push buttons of the frame and of `page`: every image, `lit` in its over state, then what
    // stands on them, so that no neighbour sharing an edge column covers a caption.
    void buttons(Page page, std::optional<HotArea> lit = std::nullopt) {
        std::vector<ShownArea> shown = shownAreas(page);
        std::erase_if(shown, [](const ShownArea& area) { return !area.kind->look; });
        for (const ShownArea& area : shown) {
            buttonImage(area.entry, *area.kind->look, area.entry.area == lit);
        }
        for (const ShownArea& area : shown) {
            buttonCaption(area.entry, *area.kind->look);
        }
    }

    // The button number and the label of the assigned function, both left-aligned and cut at the
    // header's right edge.
    void dropdownTexts(ButtonIndex button) {
        const Rect header = hotAreaRect(HotArea::AssignmentHeader, static_cast<uint8_t>(button.value()));
        const int split = header.left + kDropdownNumberWidth;
        text(std::to_wstring(button.number()), {header.left, header.top, split, header.bottom},
             TextAlign::Left);
        const std::wstring label = button.value() < input_.buttonLabels.size()
                                       ? input_.buttonLabels[button.value()]
                                       : std::wstring{};
        text(label, {split, header.top, header.right, header.bottom}, TextAlign::Left);
    }

    // "Profile: <name>" in the title bar while a profile is in force.
    void profileName() {
        if (!input_.profileInForce.empty()) {
            text(input_.text(TextKey::ProfileInForceCaption) + L" " + input_.profileInForce, kProfileNameRect,
                 TextAlign::Right);
        }
    }

    const PagePaintInput& input() const { return input_; }

private:
    const PagePaintInput& input_;
    std::vector<PaintElement> elements_;
};

int dpiPositionCount(uint8_t sensorType) {
    return std::min(static_cast<int>(dpiScaleLabels(sensorType).size()), kDpiPositionsMax);
}

void paintBasicLabels(PagePainter& painter) {
    for (uint8_t segment = 0; segment < kReportRateSegmentCount; ++segment) {
        const Rect rate = hotAreaRect(HotArea::ReportRateSegment, segment);
        const unsigned hertz = reportRateHertz(reportIntervalCodeOfSegment(segment));
        painter.text(std::to_wstring(hertz), {rate.left, rate.bottom + 2, rate.right, rate.bottom + 16},
                     TextAlign::Centre);
    }
    // Row labels stand left of the first swatch and the first check box, right-aligned in the
    // column of the scale values, so they stay inside the DPI panel.
    const Rect swatch = hotAreaRect(HotArea::DpiColourSwatch, 0);
    painter.text(L"Color", {swatch.left - 60, swatch.top, swatch.left - 4, swatch.bottom}, TextAlign::Right);
    const Rect box = hotAreaRect(HotArea::DpiStageCheckBox, 0);
    painter.text(L"Select", {box.left - 60, box.top, box.left - 4, box.bottom}, TextAlign::Right);
    static constexpr std::array kLightingLabels{TextKey::ModeLabel, TextKey::ParameterLabel,
                                                TextKey::EffectLabel};
    for (uint8_t list = 0; list < kLightingLabels.size(); ++list) {
        const Rect header = hotAreaRect(HotArea::LightingHeader, list);
        painter.text(kLightingLabels[list], {header.left - 100, header.top, header.left - 4, header.bottom},
                     TextAlign::Right);
    }
    for (uint8_t stage = 0; stage < kDpiStageCount; ++stage) {
        const Rect stageBox = hotAreaRect(HotArea::DpiStageCheckBox, stage);
        painter.text(std::to_wstring(StageIndex{stage}.number()),
                     {stageBox.left, stageBox.bottom + 2, stageBox.right, stageBox.bottom + 16},
                     TextAlign::Centre);
    }
}

// The check boxes and scales of the four DPI stages, and the scale's values left of the first
// column. A stage that is on lights the positions up to its step; a stage that is off is all dark.
// Positions past the sensor's scale are not drawn.
void paintDpiStages(PagePainter& painter) {
    const PagePaintInput& input = painter.input();
    const int positions = dpiPositionCount(input.sensorType);
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        DpiStageColumn column;
        column.enabled = input.record.dpiStageEnabled[stage] != 0;
        column.scalePositions = static_cast<std::size_t>(positions);
        column.litPositions = column.enabled ? input.record.dpiPosition[stage] + 1u : 0u;
        painter.append(dpiStageColumnPaint(StageIndex{stage}, column));
    }
    const std::vector<std::wstring>& values = dpiScaleLabels(input.sensorType);
    for (int position = 0; position < positions; ++position) {
        const Rect cell = hotAreaRect(HotArea::DpiLevelCell, 0, static_cast<uint8_t>(position));
        painter.text(values[position], {cell.left - 60, cell.top, cell.left - 4, cell.bottom},
                     TextAlign::Right);
    }
}

void paintPointerSettings(PagePainter& painter) {
    painter.append(pointerGroupPaint(painter.input().record));
}

void paintAdvancedLabels(PagePainter& painter) {
    painter.text(TextKey::StartRecording, {765, 227, 874, 260}, TextAlign::CentreWrapped);
    painter.text(TextKey::StopRecording, {765, 263, 874, 296}, TextAlign::CentreWrapped);
    const Rect precision = hotAreaRect(HotArea::PrecisionCheckBox);
    painter.text(TextKey::EnhancePointerPrecision,
                 {precision.right + 8, precision.top, 300, precision.bottom}, TextAlign::Left);
    const Rect oneScreen = hotAreaRect(HotArea::OneScreenCheckBox);
    painter.text(TextKey::ScrollOneScreen, {oneScreen.right + 8, oneScreen.top, 300, oneScreen.bottom},
                 TextAlign::Left);
    for (uint8_t slider = 0; slider < 3; ++slider) {
        for (uint8_t segment = 0; segment < kSliderSegments; ++segment) {
            const Rect cell = hotAreaRect(HotArea::PointerSliderSegment, slider, segment);
            // The segments are numbered from 1 under the scale.
            painter.text(std::to_wstring(segment + 1),
                         {cell.left, cell.bottom + 2, cell.right, cell.bottom + 16}, TextAlign::Centre);
        }
    }
    painter.text(TextKey::MacroName, kMacroNameLabelRect, TextAlign::Left);
    painter.text(TextKey::LoopTimes, kLoopTimesLabelRect, TextAlign::Left);
}

} // namespace

std::vector<PaintElement> basicPagePaint(const PagePaintInput& input) {
    PagePainter painter(input);
    painter.image(SkinImage::BasicPage, {0, 0});
    // The key mode edited is the lit one of the two mode buttons.
    const HotArea keyMode = input.record.modeBActive() ? HotArea::ModeB : HotArea::ModeA;
    painter.buttons(Page::Basic, keyMode);
    painter.profileName();
    for (uint8_t segment = 0; segment < kReportRateSegmentCount; ++segment) {
        painter.image(SkinImage::ReportRateDark, hotAreaRect(HotArea::ReportRateSegment, segment).topLeft());
    }
    painter.text(TextKey::BasicSettings, kPageTitleRect, TextAlign::Left, FontRole::Title);
    painter.text(TextKey::KeySetting, {259, 160, 364, 181}, TextAlign::Left);
    painter.text(TextKey::ReportRateSetting, {505, 161, 657, 182}, TextAlign::Left);
    painter.text(TextKey::DpiSetting, {504, 275, 609, 296}, TextAlign::Left);
    painter.text(TextKey::DpiEffectTitle, {704, 275, 809, 296}, TextAlign::Left);
    painter.text(TextKey::MakerWebAddress, kWebLinkRect, TextAlign::Centre);
    paintBasicLabels(painter);
    if (const std::optional<uint8_t> selected = reportRateSegmentOfCode(input.record.reportIntervalCode)) {
        painter.image(SkinImage::ReportRateLight,
                      hotAreaRect(HotArea::ReportRateSegment, *selected).topLeft());
    }
    paintDpiStages(painter);
    return painter.take();
}

std::vector<PaintElement> advancedPagePaint(const PagePaintInput& input) {
    PagePainter painter(input);
    painter.image(SkinImage::AdvancedPage, {0, 0});
    painter.buttons(Page::Advanced);
    painter.profileName();
    painter.text(TextKey::AdvancedSettings, kPageTitleRect, TextAlign::Left, FontRole::Title);
    painter.text(TextKey::MouseSpeed, {39, 160, 177, 181}, TextAlign::Centre);
    painter.text(TextKey::ScrollingSpeed, {39, 310, 177, 331}, TextAlign::Centre);
    painter.text(TextKey::DoubleClickSpeed, {39, 460, 216, 481}, TextAlign::Centre);
    painter.text(TextKey::MacroSetting, {469, 160, 613, 181}, TextAlign::Centre);
    painter.text(TextKey::SelectMacroTitle, {457, 196, 592, 220}, TextAlign::Centre);
    painter.text(TextKey::KeyPressSequence, {591, 196, 726, 220}, TextAlign::Centre);
    painter.text(TextKey::RecordOption, {725, 196, 875, 220}, TextAlign::Centre);
    painter.text(TextKey::MakerWebAddress, kWebLinkRect, TextAlign::Centre);
    paintAdvancedLabels(painter);
    paintPointerSettings(painter);
    return painter.take();
}

std::vector<PaintElement> buttonPaint(const HotAreaEntry& button, bool over, const PagePaintInput& input) {
    PagePainter painter(input);
    if (const AreaKind* kind = areaKindOf(button.area); kind != nullptr && kind->look) {
        painter.buttonImage(button, *kind->look, over);
        painter.buttonCaption(button, *kind->look);
    }
    return painter.take();
}

std::vector<PaintElement> dpiStageColumnPaint(StageIndex stage, const DpiStageColumn& column) {
    const auto index = static_cast<uint8_t>(stage.value());
    std::vector<PaintElement> elements{checkBoxPaint(HotArea::DpiStageCheckBox, column.enabled, index)};
    const std::size_t positions = std::min<std::size_t>(column.scalePositions, kDpiPositionsMax);
    for (std::size_t position = 0; position < positions; ++position) {
        elements.emplace_back(
            std::in_place_type<ImageElement>,
            position < column.litPositions ? SkinImage::DpiLevelLight : SkinImage::DpiLevelDark,
            hotAreaRect(HotArea::DpiLevelCell, index, static_cast<uint8_t>(position)).topLeft());
    }
    return elements;
}

std::vector<PaintElement> pointerGroupPaint(const DeviceConfigRecord& record) {
    std::vector<PaintElement> elements;
    const std::array<uint8_t, 3> values{record.pointerSpeedPosition, record.scrollLines,
                                        record.doubleClickPosition};
    for (uint8_t scale = 0; scale < values.size(); ++scale) {
        std::ranges::move(pointerScalePaint(scale, values[scale]), std::back_inserter(elements));
    }
    elements.push_back(checkBoxPaint(HotArea::PrecisionCheckBox, record.enhancePointerPrecision != 0));
    elements.push_back(checkBoxPaint(HotArea::OneScreenCheckBox, record.scrollOneScreen != 0));
    return elements;
}

// The lowest `lit` segments light, never past the scale.
std::vector<PaintElement> pointerScalePaint(uint8_t scale, uint8_t lit) {
    std::vector<PaintElement> elements;
    for (uint8_t segment = 0; segment < kSliderSegments; ++segment) {
        elements.emplace_back(std::in_place_type<ImageElement>,
                              segment < lit ? SkinImage::SliderLight : SkinImage::SliderDark,
                              hotAreaRect(HotArea::PointerSliderSegment, scale, segment).topLeft());
    }
    return elements;
}

PaintElement checkBoxPaint(HotArea box, bool ticked, uint8_t index) {
    return ImageElement{ticked ? SkinImage::CheckBoxTicked : SkinImage::CheckBoxEmpty,
                        hotAreaRect(box, index).topLeft()};
}

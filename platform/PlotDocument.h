#pragma once
// The vector-drawing document the plotted page goes to: page units, x to the right,
// y upward. Every operation may fail by throwing tellvane::Error.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace tellvane {

/// A pen: an integer, or the text of a pen setting handed on as it stands.
using PlotPen = std::variant<std::int32_t, std::u16string>;

/// A value of a call that may be left out; left out is distinct from every value.
using OptionalValue = std::optional<std::int32_t>;

/// The five reserved words of a text call, always 0.
using ReservedWords = std::array<std::int32_t, 5>;

class PlotDocument {
public:
    virtual ~PlotDocument() = default;

    /// True from StartDocument until CloseDocument.
    virtual bool Active() = 0;
    /// True once the output started by OutputToFile has ended.
    virtual bool Done() = 0;

    // The set-up values' meanings are the document's own; the values the page sets
    // are given beside each.
    virtual void SetupValue1(const std::u16string& value) = 0;  ///< set to ""
    virtual void SetupValue2(double value) = 0;                 ///< set to 2.0
    virtual void SetupValue3(double value) = 0;                 ///< set to 2.0
    virtual void SetupValue4(double value) = 0;                 ///< set to 3.0
    virtual void SetupValue5(double value) = 0;                 ///< set to 0.0
    virtual void SetupValue6(std::int32_t value) = 0;           ///< set to 0
    virtual void SetupValue7(std::int32_t value) = 0;           ///< set to 0
    virtual void SetupValue8(std::int32_t value) = 0;           ///< set to 1
    virtual void SetupValue9(std::int32_t value) = 0;           ///< set to 1
    virtual void SetupValue10(double value) = 0;                ///< set to 1.0
    virtual void SetupValue11(std::int32_t value) = 0;          ///< set to 3
    virtual void SetupValue12(bool value) = 0;                  ///< set to true

    /// Opens the page; called once, before any drawing.
    virtual void StartDocument() = 0;
    /// A straight line; opt1..opt3 select line details the document defines.
    virtual void DrawLine(double x1, double y1, double x2, double y2, const PlotPen& pen, OptionalValue opt1,
                          OptionalValue opt2, OptionalValue opt3) = 0;
    /// A text placed by the anchor code (c mod 3: left, centre, right; c div 3:
    /// bottom, middle, top); width and height are one character's, in page units.
    virtual void DrawText(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                          double height, double extra, const PlotPen& pen, OptionalValue option,
                          OptionalValue anchor) = 0;
    /// The title, as DrawText.
    virtual void DrawTitle(double x, double y, const std::u16string& text, const ReservedWords& reserved, double width,
                           double height, double extra, const PlotPen& pen, OptionalValue option,
                           OptionalValue anchor) = 0;
    /// Starts the output of the finished page to the file.
    virtual void OutputToFile(const std::u16string& path) = 0;
    /// Ends the document after the output; reports an output that failed.
    virtual void CloseDocument() = 0;
};

/// Creates one document for each plotted page.
class PlotDocumentFactory {
public:
    virtual ~PlotDocumentFactory() = default;
    virtual std::unique_ptr<PlotDocument> create() = 0;
};

}  // namespace tellvane

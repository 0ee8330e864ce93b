#pragma once
// A date input: an edit whose text is a date, "YYYY-MM-DD" (typed also as M/D/YYYY), with a
// calendar popup. The value is the FILETIME of that day's midnight, with no time-zone step;
// an empty edit has no value. Typing commits on Enter or when the focus leaves; an
// unreadable text reverts, and the input tells the page with a value-refused event. The
// calendar opens by a press on the calendar glyph, Alt+Down or F4 (or Alt+Up); it shows a
// month starting on the input's "firstDayOfWeek" (0 = Monday ... 6 = Sunday); arrows move a
// day or a week, Page Up and Page Down a month, Enter or a click on a day chooses it, Escape
// closes.
#include "htmlengine/document/controls/CalendarDays.h"
#include "htmlengine/document/controls/EditControl.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <optional>

namespace htmlengine {

class DateControl : public EditControl {
public:
    explicit DateControl(Element& element);
    ControlType Type() const override { return kControlDate; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    void OnFocusLost(Element& element) override;
    bool OnMouse(Element& element, const MouseInput& input) override;
    bool OnPopupKey(Element& element, unsigned key, unsigned keyboardState) override;
    bool OnPopupPress(Element& element, int x, int y) override;
    void ClosePopup(Element& element) override;

    // What the calendar shows.
    bool CalendarOpen() const { return open_; }
    Day ShownMonth() const { return shown_; }
    Day Highlighted() const { return highlighted_; }
    std::optional<Day> Chosen() const;
    static int FirstDayOfWeek(const Element& element);
    void OpenCalendar(Element& element);

    // Where the painter put the calendar (window coordinates) and the glyph that opens it
    // (its left edge in the border box).
    void PlaceCalendar(const Rect& area) { area_ = area; }
    void SetGlyphLeft(int left) { glyphLeft_ = left; }

protected:
    void Edited(Element&) override {}  // a date changes on commit, not per key

private:
    void Commit(Element& element);
    void Refuse(Element& element);
    void ChooseDay(Element& element, const Day& day);
    bool OnCalendarKey(Element& element, unsigned key, unsigned keyboardState);
    void Highlight(const Day& day);

    std::optional<long long> date_;
    std::optional<std::wstring> refused_;  // while the refusal's event runs
    bool open_ = false;
    Day shown_, highlighted_;
    Rect area_;
    int glyphLeft_ = 1 << 30;
};

// The local date, as the calendar marks it.
Day Today();

// Text and FILETIME of a day, both ways; nullopt for a text that is no date.
std::optional<long long> ParseDate(const std::wstring& text);
std::wstring FormatDate(long long fileTime);

}  // namespace htmlengine

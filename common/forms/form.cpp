#include "common/forms/form.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace forms {

namespace {

std::function<void()> g_doEvents;

} // namespace

const char* eventName(Event event) {
    switch (event) {
    case Event::Change:
        return "Change";
    case Event::Click:
        return "Click";
    case Event::GotFocus:
        return "GotFocus";
    case Event::LostFocus:
        return "LostFocus";
    case Event::KeyPress:
        return "KeyPress";
    }
    return "";
}

Screen& screen() {
    static Screen s;
    return s;
}

void DoEvents() {
    if (g_doEvents) g_doEvents();
}

void setDoEventsHook(std::function<void()> hook) {
    g_doEvents = std::move(hook);
}

Form::Form(const FormDecl& decl)
    : name_(decl.name), caption_(decl.caption), icon_(decl.icon), clientWidth_(decl.clientWidth),
      clientHeight_(decl.clientHeight) {
    for (const auto& c : decl.controls) {
        Control* container = c.container.empty() ? nullptr : &control(c.container);
        controls_.push_back(std::make_unique<Control>(*this, c, container));
        byName_.emplace(controls_.back()->name(), controls_.back().get()); // the first one wins
    }
}

Control& Form::control(std::string_view name) {
    if (auto found = byName_.find(name); found != byName_.end()) return *found->second;
    throw std::out_of_range("no control " + std::string(name));
}

void Form::setLeft(int twips) {
    left_ = twips;
    notifyForm(FormProperty::Position);
}

void Form::setTop(int twips) {
    top_ = twips;
    notifyForm(FormProperty::Position);
}

void Form::show() {
    if (!loaded_) {
        loaded_ = true;
        if (onLoad) onLoad();
    }
    if (!shown_) {
        shown_ = true;
        notifyForm(FormProperty::Shown);
    }
}

void Form::setTopmost(bool on) {
    topmost_ = on;
    notifyForm(FormProperty::Topmost);
}

void Form::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void Form::removeObserver(FormObserver* observer) {
    std::erase(observers_, observer);
}

void Form::notify(Control& control, Property property) {
    for (auto* o : observers_)
        o->controlChanged(control, property);
}

void Form::notifyForm(FormProperty property) {
    for (auto* o : observers_)
        o->formChanged(property);
}

void Form::raise(Control& control, Event event, const std::function<void()>& handler) {
    if (!handler) return;
    ++depth_;
    if (tracer_) tracer_(control, event, true, depth_);
    struct Leave {
        Form& f;
        const Control& c;
        Event e;
        ~Leave() {
            if (f.tracer_) f.tracer_(c, e, false, f.depth_);
            if (--f.depth_ != 0) return;
            // A key press changes nothing a window derives anything from.
            if (f.afterEvents && e != Event::KeyPress) {
                try {
                    f.afterEvents();
                } catch (const value::Failure&) {
                }
            }
            if (f.onIdle) f.onIdle();
        }
    } leave{*this, control, event};
    handler();
}

void Form::raiseKeyPress(Control& control, int& code) {
    if (!control.onKeyPress) return;
    raise(control, Event::KeyPress, [&] { control.onKeyPress(code); });
}

bool Form::canFocus(const Control& control) const {
    switch (control.kind()) {
    case Kind::TextBox:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::ComboBox:
        return shown_ && control.shownInForm();
    default:
        return false;
    }
}

void Form::moveFocus(Control& target) {
    if (!canFocus(target))
        throw value::Failure("invalid procedure call: the control cannot take the focus");
    if (focused_ == &target) return;
    Control* old = focused_;
    focused_ = &target;
    for (auto* o : observers_)
        o->focusMoved(focused_);
    if (old) raise(*old, Event::LostFocus, old->onLostFocus);
    raise(target, Event::GotFocus, target.onGotFocus);
}

template <class F> void Form::asUser(F&& f) {
    // What no handler ignores ends the event handler, nothing more.
    try {
        f();
    } catch (const value::Failure&) {
    }
}

int Form::userKeyPress(Control& box, int code) {
    asUser([&] {
        int c = static_cast<std::int16_t>(code); // the event's signed 16-bit code
        raiseKeyPress(box, c);
        code = c;
    });
    return code;
}

bool Form::typedTextFits(const Control& box, std::string_view text) const {
    return box.maxLength() <= 0 || characterCount(text) <= box.maxLength();
}

void Form::userEdited() {
    if (!picking_) pickStep_ = PickStep::None;
}

void Form::userEdit(Control& box, std::string text) {
    userEdited();
    asUser([&] {
        box.writeText(std::move(text), true);
        raise(box, Event::Change, box.onChange);
    });
}

void Form::userFocus(Control& control) {
    if (canFocus(control)) asUser([&] { moveFocus(control); });
}

void Form::userTab(bool backwards) {
    std::vector<Control*> stops;
    for (auto& c : controls_) {
        if (c->decl().tabIndex < 0 || !canFocus(*c)) continue;
        // An option group is one stop: its selected button.
        if (c->kind() == Kind::OptionButton && c->value() == 0) {
            bool groupHasSelection = std::any_of(controls_.begin(), controls_.end(), [&](auto& o) {
                return o->kind() == Kind::OptionButton && o->container() == c->container() &&
                       o->value() != 0;
            });
            if (groupHasSelection) continue;
        }
        stops.push_back(c.get());
    }
    if (stops.empty()) return;
    std::stable_sort(stops.begin(), stops.end(), [](Control* a, Control* b) {
        return a->decl().tabIndex < b->decl().tabIndex;
    });
    auto it = std::find(stops.begin(), stops.end(), focused_);
    std::size_t n = stops.size();
    std::size_t next = 0;
    if (it != stops.end()) {
        auto i = static_cast<std::size_t>(it - stops.begin());
        next = backwards ? (i + n - 1) % n : (i + 1) % n;
    }
    userFocus(*stops[next]);
}

void Form::userClick(Control& control) {
    userEdited();
    asUser([&] {
        if (canFocus(control)) moveFocus(control);
        if (control.kind() == Kind::CheckBox)
            control.setValue(control.value() == 1 ? 0 : 1);
        else if (control.kind() == Kind::OptionButton)
            control.setValue(1);
    });
}

void Form::userChoose(Control& combo, int index) {
    if (index < 0 || index >= static_cast<int>(combo.items().size())) return;
    userEdited();
    asUser([&] {
        combo.listIndex_ = index;
        combo.writeText(combo.items()[static_cast<std::size_t>(index)], false);
        notify(combo, Property::ListIndex);
        raise(combo, Event::Click, combo.onClick);
    });
}

Form::Kept Form::keep() const {
    Kept kept;
    kept.controls.reserve(controls_.size());
    for (const auto& c : controls_)
        kept.controls.push_back(c->state());
    kept.focused = focused_;
    if (onKeepState) kept.restoreOwn = onKeepState();
    return kept;
}

void Form::putBack(const Kept& kept) {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        controls_[i]->restore(kept.controls[i]);
    if (kept.restoreOwn) kept.restoreOwn();
    // The focus as it was, without events: the window's focus flags came
    // back with its own state.
    if (focused_ != kept.focused) {
        focused_ = kept.focused;
        for (auto* o : observers_)
            o->focusMoved(focused_);
    }
    // The caret last: moving the focus may have placed it.
    if (focused_) notify(*focused_, Property::Caret);
}

void Form::userPick(const std::function<void()>& choose) {
    userEdited();
    Kept before = keep();
    picking_ = true;
    struct Done {
        bool& picking;
        ~Done() { picking = false; }
    } done{picking_};
    asUser(choose);
    beforePick_ = std::move(before);
    afterPick_ = keep();
    pickStep_ = PickStep::Done;
}

bool Form::undoPick() {
    if (pickStep_ != PickStep::Done || depth_ != 0) return false;
    putBack(beforePick_);
    pickStep_ = PickStep::Undone;
    return true;
}

bool Form::redoPick() {
    if (pickStep_ != PickStep::Undone || depth_ != 0) return false;
    putBack(afterPick_);
    pickStep_ = PickStep::Done;
    return true;
}

} // namespace forms

#pragma once
#include "common/forms/control.h"
#include "common/forms/declaration.h"
#include "common/forms/picks.h"

#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace forms {

enum class Event { Change, Click, GotFocus, LostFocus, KeyPress };
// The event's name as a handler's name ends ("Change" in Text1_Change).
const char* eventName(Event event);
enum class FormProperty { Position, Shown, Topmost };

// What the view listens to; every model change is announced here.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(Control& control, Property property) = 0;
    virtual void formChanged(FormProperty property) = 0;
    virtual void focusMoved(Control* now) = 0;
};

// A window and its controls. The model is authoritative: the view mirrors
// it and reports the user's input through the user* entry points.
class Form {
public:
    explicit Form(const FormDecl& decl);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    const std::string& icon() const { return icon_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    // The window's outer size in twips; the frame is the window manager's, so
    // the client area stands for it.
    int width() const { return clientWidth_; }
    int height() const { return clientHeight_; }
    int left() const { return left_; }
    int top() const { return top_; }
    void setLeft(int twips);
    void setTop(int twips);

    Control& control(std::string_view name);
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Loads the window (runs onLoad once) and shows it.
    void show();
    bool loaded() const { return loaded_; }
    bool shown() const { return shown_; }
    std::function<void()> onLoad;

    // The picks a control's context menu offers now; asked each time the
    // menu opens, so they follow the mode and the fields.
    std::function<std::vector<PickGroup>(const Control&)> onPicks;
    std::vector<PickGroup> picksFor(const Control& control) const {
        return onPicks ? onPicks(control) : std::vector<PickGroup>{};
    }

    bool topmost() const { return topmost_; }
    void setTopmost(bool on);

    Control* focused() const { return focused_; }

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);

    // Sees every raised event, on entry and on exit, with the nesting depth
    // (1 for an event raised by the user). For tests and checks.
    using Tracer = std::function<void(const Control&, Event, bool entering, int depth)>;
    void setTracer(Tracer tracer) { tracer_ = std::move(tracer); }
    // How many handlers run now, nested; 0 between the user's events.
    int eventDepth() const { return depth_; }
    // Called whenever the outermost handler has returned.
    std::function<void()> onIdle;
    // Called just before onIdle: what a window derives from its fields (its
    // foot line) is brought up to date here.
    std::function<void()> afterEvents;

    // --- a pick is one step for the whole window.
    // Runs a pick's actions as the user's own and keeps the window as it
    // was before and after. Directly after it, undoPick() puts the window
    // back exactly as it was (every control, the focus, the caret and the
    // window's own state) and redoPick() does the pick again; any other edit
    // of the user's ends that chance. Both answer whether they acted.
    void userPick(const std::function<void()>& choose);
    bool undoPick();
    bool redoPick();
    // The window's own variables beyond its controls: returns a function
    // that puts them back as they are now.
    std::function<std::function<void()>()> onKeepState;

    // --- the user's input; a failure that nothing ignores ends the handler.
    // The control's KeyPress handler sees the code; 0 means cancelled.
    int userKeyPress(Control& box, int code);
    // Whether a typed edit leaves the text within the typing limit.
    bool typedTextFits(const Control& box, std::string_view text) const;
    // The user's edit of a text box's text.
    void userEdit(Control& box, std::string text);
    // Focus moved by the user (click, Tab); ignored for controls that cannot
    // take it.
    void userFocus(Control& control);
    void userTab(bool backwards = false);
    // A click on a check box or option button (takes the focus first).
    void userClick(Control& control);
    // The user chooses a line of a combo box's list.
    void userChoose(Control& combo, int index);

    bool canFocus(const Control& control) const;

private:
    friend class Control;
    void notify(Control& control, Property property);
    void raise(Control& control, Event event, const std::function<void()>& handler);
    void raiseKeyPress(Control& control, int& code);
    void moveFocus(Control& target); // fails on hidden controls or a hidden window
    void notifyForm(FormProperty property);
    template <class F> void asUser(F&& f);
    // The user's own edit: a pick's step can no longer be undone.
    void userEdited();

    struct Kept {
        std::vector<ControlState> controls;
        Control* focused = nullptr;
        std::function<void()> restoreOwn;
    };
    Kept keep() const;
    void putBack(const Kept& kept);

    std::string name_, caption_, icon_;
    int clientWidth_, clientHeight_;
    int left_ = 0, top_ = 0;
    bool loaded_ = false, shown_ = false, topmost_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string_view, Control*> byName_;
    Control* focused_ = nullptr;
    std::vector<FormObserver*> observers_;
    Tracer tracer_;
    int depth_ = 0;
    // The last pick's window before and after, while it may be undone.
    enum class PickStep { None, Done, Undone };
    PickStep pickStep_ = PickStep::None;
    bool picking_ = false;
    Kept beforePick_, afterPick_;
};

// The screen the windows live on, in twips (set by the view at start): its
// size and where it lies on the desktop, which is not (0, 0) for a primary
// monitor right of or below another one.
struct Screen {
    int width = 15360;
    int height = 11520;
    int left = 0;
    int top = 0;
};
Screen& screen();

// Runs pending events of the toolkit; headless, whatever a test installed.
void DoEvents();
void setDoEventsHook(std::function<void()> hook);

} // namespace forms

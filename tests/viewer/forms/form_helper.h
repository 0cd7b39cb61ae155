#pragma once
// A page with forms parsed with a factory of window controls that have fixed
// metrics: in a control's own font a character is 8 pixels wide and 16 high,
// in the screen's font 7 by 15, and a control by itself is 60 by 22.
#include "parse/parse_helper.h"

#include <tuple>

namespace zorvel::testing {

class FixedSizeWindowControl : public HeadlessWindowControl {
public:
    FixedSizeWindowControl(const WindowControlRequest& request, int& alive)
        : HeadlessWindowControl(request), alive_(alive) {
        ++alive_;
    }
    ~FixedSizeWindowControl() override { --alive_; }
    QSize textExtent(const QString& text) const override { return {8 * int(text.size()), 16}; }
    QSize screenTextExtent(const QString& text) const override { return {7 * int(text.size()), 15}; }
    QSize preferredSize() const override { return {60, 22}; }

private:
    int& alive_;
};

class FixedSizeControlFactory : public FormControlFactory {
public:
    int alive = 0; // window controls not yet destroyed
    std::unique_ptr<FormWindowControl> create(const WindowControlRequest& request) override {
        return std::make_unique<FixedSizeWindowControl>(request, alive);
    }
};

// The page is its document's host: it makes the controls with the factory.
struct FormPage : DocumentHost {
    FixedMetricsCanvas canvas;
    FixedSizeControlFactory factory; // outlives the document's controls
    TSectionList list{canvas};
    TNameList names;
    TParseStrings strings;
    // Each submission as "Method Action: entry; entry".
    QStringList submitted;

    explicit FormPage(const QString& html) {
        list.Host = this;
        HtmlParseBuffer(list, names, html, strings);
    }
    FormControlFactory* ControlFactory() override { return &factory; }
    void OnFormSubmit(const QString& action, const QString& method, const QStringList& results) override {
        submitted << method + u' ' + action + QStringLiteral(": ") + results.join(QStringLiteral("; "));
    }
    ThtmlForm& form(int f = 0) { return *list.FormList.Item(f); }
    TFormControlObj& control(int i, int f = 0) { return *form(f).ControlList.Item(i); }
    HeadlessWindowControl& window(int i, int f = 0) {
        return dynamic_cast<HeadlessWindowControl&>(*control(i, f).WindowControl);
    }
    int layOut(int width = 600) {
        int scrollWidth = 0, chars = 0;
        return list.DoLogic(canvas, 0, width, scrollWidth, chars);
    }
};

} // namespace zorvel::testing

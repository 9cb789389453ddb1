#include "panelkit2/toolkit/label.hpp"

#include <algorithm>
#include <string_view>

#include "panelkit2/automation/automation_error.hpp"
#include "panelkit2/toolkit/host.hpp"

namespace panelkit2::host {

Label::Label(Widget* parent, std::string name)
    : Widget(WidgetKind::Label, parent, std::move(name)) {}

void Label::Caption(std::string value) {
    if (value == mstrCaption) return;
    mstrCaption = std::move(value);
    NotifyChanged(WidgetProperty::Text);
    if (mblnAutoSize) SizeToCaption();
}

void Label::Alignment(int16_t value) {
    if (value < AlignLeft || value > AlignCenter) RaiseStandard(err::InvalidPropertyValue);
    if (value == mintAlignment) return;
    mintAlignment = value;
    NotifyChanged(WidgetProperty::Text);
}

void Label::AutoSize(bool value) {
    if (value == mblnAutoSize) return;
    mblnAutoSize = value;
    if (mblnAutoSize) SizeToCaption();
}

void Label::SizeToCaption() {
    const Host& host = Host::Current();
    const std::string_view text = mstrCaption;
    int32_t widest = 0;
    int32_t lines = 0;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == text.npos ? text.npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        widest = std::max(widest, host.Metrics().TextWidthPixels(line));
        ++lines;
        if (end == text.npos) break;
        start = end + 1;
    }
    Move(Left(), Top(), static_cast<float>(widest) * host.TwipsPerPixelX(),
         static_cast<float>(lines * host.Metrics().LineHeightPixels()) * host.TwipsPerPixelY());
}

void Label::CopyDesignFrom(const Widget& source) {
    Widget::CopyDesignFrom(source);
    const auto* label = dynamic_cast<const Label*>(&source);
    if (!label) return;
    Alignment(label->mintAlignment);
    Caption(label->mstrCaption);
    AutoSize(label->mblnAutoSize);
}

}  // namespace panelkit2::host

// JSON of the design figures.
#include "cli/figures_json.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "cli/json.h"

namespace gearpair {

namespace {

// Writes `"key": ` and the members after the first with their separator.
class JsonObject {
public:
    explicit JsonObject(std::string& json) : json_(json) { json_ += '{'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;
    ~JsonObject() { json_ += '}'; }

    std::string& Key(std::string_view key) {
        if (!first_) json_ += ", ";
        first_ = false;
        AppendKey(json_, key);
        return json_;
    }
    void Number(std::string_view key, double value) { Key(key) += JsonNumber(value); }
    void Boolean(std::string_view key, bool value) { Key(key) += value ? "true" : "false"; }

private:
    std::string& json_;
    bool first_ = true;
};

void AppendDesign(std::string& json, const TGearDesign& d) {
    JsonObject object(json);
    const std::pair<std::string_view, double> fields[] = {{"aw", d.aw},
                                                          {"mn", d.mn},
                                                          {"z1", d.z1},
                                                          {"z2", d.z2},
                                                          {"betta", d.betta * kDegreesPerRadian},
                                                          {"d1", d.d1},
                                                          {"d2", d.d2},
                                                          {"da1", d.da1},
                                                          {"df1", d.df1},
                                                          {"da2", d.da2},
                                                          {"df2", d.df2},
                                                          {"bw", d.bw},
                                                          {"bkol", d.bkol},
                                                          {"v", d.v},
                                                          {"ea", d.ea},
                                                          {"Khbeta", d.Khbeta},
                                                          {"tw", d.tw},
                                                          {"tkol", d.tkol}};
    for (const auto& [key, value] : fields) object.Number(key, value);
}

std::string_view GearName(bool pinion) {
    return pinion ? "pinion" : "wheel";
}

// A check of a pass: the verdict, or the margin in the final checks.
enum class CheckEnd { Passed, Margin };

void AppendContact(std::string& json, const ContactCheckFigures& c, CheckEnd end) {
    JsonObject object(json);
    object.Number("stress", c.stress);
    object.Number("allowable", c.allowable);
    if (end == CheckEnd::Passed) {
        object.Boolean("passed", c.passed);
    } else {
        object.Number("margin", CheckMargin(c.stress, c.allowable));
    }
}

void AppendBending(std::string& json, const BendingCheckFigures& b, CheckEnd end) {
    JsonObject object(json);
    object.Key("gear") += JsonString(GearName(b.pinion));
    object.Number("stress", b.stress);
    object.Number("allowable", b.allowable);
    if (end == CheckEnd::Passed) {
        object.Boolean("passed", b.passed);
    } else {
        object.Number("margin", CheckMargin(b.stress, b.allowable));
    }
}

void AppendStep(std::string& json, const CheckStep& step) {
    JsonObject object(json);
    object.Number("aw", step.aw);
    object.Number("mn", step.mn);
    object.Number("z1", step.z1);
    object.Number("z2", step.z2);
    std::string& contact = object.Key("contact");
    AppendOptional(contact, step.contact, [&](const ContactCheckFigures& c) {
        AppendContact(contact, c, CheckEnd::Passed);
    });
    std::string& bending = object.Key("bending");
    AppendOptional(bending, step.bending, [&](const BendingCheckFigures& b) {
        AppendBending(bending, b, CheckEnd::Passed);
    });
}

void AppendSizes(std::string& json, const PartSizes& s) {
    JsonObject object(json);
    // In the hand-off's order and with its labels, but for the tooth-tip chamfers, whose
    // labels "nkol" and "nw" name the speeds in the record.
    const std::pair<std::string_view, double> fields[] = {
        {"dvkol", s.dvkol},       {"dstkol", s.dstkol},     {"lstkol", s.lstkol},
        {"ckol", s.ckol},         {"deltakol", s.deltakol}, {"chamfer_wheel", s.nkol},
        {"DBotvkol", s.DBotvkol}, {"Dotvkol", s.Dotvkol},   {"dvw", s.dvw},
        {"dstw", s.dstw},         {"lstw", s.lstw},         {"chamfer_pinion", s.nw}};
    for (const auto& [key, value] : fields) object.Number(key, value);
}

}  // namespace

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

void AppendFiguresJson(std::string& json, const JobResult& job) {
    json += ", ";
    AppendKey(json, "design");
    AppendOptional(json, job.design, [&](const TGearDesign& d) { AppendDesign(json, d); });

    json += ", ";
    AppendKey(json, "checks");
    if (const CheckStep* last = FinalStep(job)) {
        JsonObject checks(json);
        AppendContact(checks.Key("contact"), *last->contact, CheckEnd::Margin);
        AppendBending(checks.Key("bending"), *last->bending, CheckEnd::Margin);
    } else {
        json += "null";
    }

    json += ", ";
    AppendKey(json, "steps");
    json += '[';
    for (std::size_t i = 0; i < job.steps.size(); ++i) {
        if (i > 0) json += ", ";
        AppendStep(json, job.steps[i]);
    }
    json += ']';

    json += ", ";
    AppendKey(json, "sizes");
    AppendOptional(json, job.sizes, [&](const PartSizes& s) { AppendSizes(json, s); });
}

}  // namespace gearpair

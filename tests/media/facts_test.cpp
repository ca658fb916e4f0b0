#include "common/media/media_facts.h"
#include "common/media/probe_json.h"
#include "tests/media/media_files.h"

#include <cmath>
#include <limits>

namespace {

using media::RawPicture;
using Unit = RawPicture::Unit;

struct PictureRow {
    const char* what;
    RawPicture raw;
    Expected expected;
};
void PrintTo(const PictureRow& row, std::ostream* out) {
    *out << row.what;
}

const std::string BadSize = "Die Bildgröße in der Datei ist ungültig.";
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

class FactsFromPicture : public testing::TestWithParam<PictureRow> {};

TEST_P(FactsFromPicture, JudgesAndConverts) {
    expectResult(media::factsFromPicture(GetParam().raw), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FactsFromPicture,
    testing::Values(
        PictureRow{"as stored", {1234, 567, false, 300, 300, Unit::PerInch}, {567, 1234, 300}},
        PictureRow{"quarter turn", {4032, 3024, true, 72, 72, Unit::PerInch}, {4032, 3024, 72}},
        // 312 * 2.54 = 792.48 to two decimals; 2.540066525552 would give 792.5.
        PictureRow{
            "per cm, exact 2.54", {10, 20, false, 312, 312, Unit::PerCentimetre}, {20, 10, 792.48}},
        PictureRow{"per cm, a print size kept",
                   {10, 20, false, 120, 0, Unit::PerCentimetre},
                   {20, 10, 304.8}},
        PictureRow{"per metre", {10, 20, false, 1437, 1437, Unit::PerMetre}, {20, 10, 36.5}},
        PictureRow{
            "72 dpi as 2835 per metre", {10, 20, false, 2835, 0, Unit::PerMetre}, {20, 10, 72}},
        PictureRow{
            "72 dpi as 2834 per metre", {10, 20, false, 2834, 0, Unit::PerMetre}, {20, 10, 72}},
        PictureRow{"per inch stays whole", {10, 20, false, 299.6, 0, Unit::PerInch}, {20, 10, 300}},
        PictureRow{
            "turned, vertical across", {10, 20, true, 100, 200, Unit::PerInch}, {10, 20, 200}},
        PictureRow{"horizontal wins", {10, 20, false, 300, 150, Unit::PerInch}, {20, 10, 300}},
        PictureRow{"aspect only", {10, 20, false, 300, 300, Unit::None}, {20, 10, {}}},
        PictureRow{"zero is none", {10, 20, false, 0, 300, Unit::PerInch}, {20, 10, {}}},
        PictureRow{"rounds to zero", {10, 20, false, 0.4, 0, Unit::PerInch}, {20, 10, {}}},
        PictureRow{"largest side", {1'000'000, 1, false, 0, 0, Unit::None}, {1, 1'000'000, {}}},
        PictureRow{"side too large", {1'000'001, 1, false, 0, 0, Unit::None}, BadSize},
        PictureRow{"zero side", {0, 567, false, 0, 0, Unit::None}, BadSize},
        // An unusable resolution is dropped; the size still counts.
        PictureRow{"negative dpi", {10, 20, false, -300, 0, Unit::PerInch}, {20, 10, {}}},
        PictureRow{"NaN dpi", {10, 20, false, NaN, 0, Unit::PerCentimetre}, {20, 10, {}}},
        PictureRow{"absurd dpi", {10, 20, false, 4e5, 0, Unit::PerCentimetre}, {20, 10, {}}}),
    [](const auto& info) { return rowName(info.param.what); });

struct ProbeRow {
    const char* json;
    Expected expected;
};
void PrintTo(const ProbeRow& row, std::ostream* out) {
    *out << row.json;
}

const std::string Garbage = "ffprobe hat keine verwertbare Antwort gegeben.";
const std::string NoVideo = "Die Datei enthält kein Video.";
const std::string BadVideoSize = "Die Bildgröße des Videos ist ungültig.";

class FactsFromProbe : public testing::TestWithParam<ProbeRow> {};

TEST_P(FactsFromProbe, TakesTheFirstVideoStreamAsAPlayerShowsIt) {
    expectResult(media::factsFromProbe(GetParam().json), GetParam().expected);
}

#define STREAM(fields) R"({"streams":[{"codec_type":"video",)" fields "}]}"

INSTANTIATE_TEST_SUITE_P(
    Rows, FactsFromProbe,
    testing::Values(
        ProbeRow{STREAM(R"("width":640,"height":360,"sample_aspect_ratio":"1:1")"), {360, 640}},
        ProbeRow{STREAM(R"("width":1920,"height":1080,"side_data_list":[{"rotation":-90}])"),
                 {1920, 1080}},
        ProbeRow{STREAM(R"("width":1920,"height":1080,"tags":{"rotate":"270"})"), {1920, 1080}},
        ProbeRow{STREAM(R"("width":1920,"height":1080,"side_data_list":[{"rotation":180}],)"
                        R"("tags":{"rotate":"90"})"),
                 {1080, 1920}},
        // 640 * 16 / 15 = 682.67, rounded down; the rotation turns the result.
        ProbeRow{STREAM(R"("width":640,"height":360,"sample_aspect_ratio":"16:15",)"
                        R"("side_data_list":[{"side_data_type":"x"},{"rotation":90}])"),
                 {682, 360}},
        ProbeRow{STREAM(R"("width":720,"height":576,"sample_aspect_ratio":"0:1")"), {576, 720}},
        ProbeRow{R"({"streams":[{"codec_type":"video","width":600,"height":600,)"
                 R"("disposition":{"attached_pic":1}},{"codec_type":"audio"},)"
                 R"({"codec_type":"video","width":320,"height":240}]})",
                 {240, 320}},
        ProbeRow{R"({"streams":[{"codec_type":"video","width":600,"height":600,)"
                 R"("disposition":{"attached_pic":1}},{"codec_type":"audio"}]})",
                 NoVideo},
        ProbeRow{STREAM(R"("width":0,"height":360)"), BadVideoSize},
        ProbeRow{STREAM(R"("width":2000000,"height":360)"), BadVideoSize},
        ProbeRow{STREAM(R"("width":640,"height":360,"sample_aspect_ratio":"1:1000")"),
                 BadVideoSize},
        ProbeRow{STREAM(R"("width":640,"height":360,"sample_aspect_ratio":"-1:2")"),
                 "Das Seitenverhältnis der Bildpunkte im Video ist ungültig."},
        ProbeRow{STREAM(R"("height":360)"), "Die Bildgröße des Videos ist unbekannt."},
        ProbeRow{"", Garbage}),
    [](const auto& info) { return "row" + std::to_string(info.index); });

} // namespace

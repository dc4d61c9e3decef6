#include "pagewriter/Typeface.h"

// clang-format off
#include "pagewriter/HarfBuzzOnDemand.h"  // before HarfBuzz's headers, which it renames
// clang-format on
#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <atomic>
#include <map>
#include <mutex>

#include "common/Error.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& why) {
    throw Error(kOutputFailed, "the typeface " + path + " " + why);
}

// The tables a PDF reader does not use to draw glyphs given by number: layout and
// vertical metrics. Without them the subset holds exactly the glyphs asked for
// (and the parts of composite ones), and is smaller.
constexpr const char* kDroppedTables[] = {"GSUB", "GPOS", "GDEF", "BASE", "JSTF", "vhea",
                                          "vmtx", "VORG", "DSIG", "gasp", "morx", "kern"};

int16_t signedAt(const char* data, unsigned at) {
    const auto* b = reinterpret_cast<const unsigned char*>(data) + at;
    return static_cast<int16_t>(static_cast<uint16_t>((b[0] << 8) | b[1]));
}

}  // namespace

struct Typeface::HarfBuzz {
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    // Pre-processing costs some twenty times a cut of the plain face and pays only
    // from the second page of a process on, so it is done at the second cut; a
    // single page (`tellvane render`) never pays it.
    mutable std::atomic<int> cuts{0};
    mutable std::once_flag preprocessOnce;
    mutable hb_face_t* preprocessed = nullptr;

    ~HarfBuzz() {
        hb_face_destroy(preprocessed);
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
};

std::shared_ptr<const Typeface> Typeface::load(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const Typeface>> loaded;
    const std::lock_guard lock(mutex);
    auto& face = loaded[path];
    if (!face) face.reset(new Typeface(path, hb_blob_create_from_file_or_fail(path.c_str())));
    return face;
}

std::shared_ptr<const Typeface> Typeface::fromBytes(const std::string& name, std::shared_ptr<const std::string> bytes) {
    // The blob keeps a reference to the bytes for as long as HarfBuzz uses them;
    // HarfBuzz drops it, also when it cannot make the blob.
    auto* kept = new std::shared_ptr<const std::string>(std::move(bytes));
    hb_blob_t* blob =
        hb_blob_create_or_fail((*kept)->data(), static_cast<unsigned>((*kept)->size()), HB_MEMORY_MODE_READONLY, kept,
                               [](void* data) { delete static_cast<std::shared_ptr<const std::string>*>(data); });
    return std::shared_ptr<const Typeface>(new Typeface(name, blob));
}

Typeface::Typeface(std::string path, hb_blob_t* blob) : path_(std::move(path)), hb_(std::make_unique<HarfBuzz>()) {
    hb_->blob = blob;
    if (hb_->blob == nullptr) fail(path_, "cannot be read");
    hb_->face = hb_face_create(hb_->blob, 0);
    if (hb_face_get_glyph_count(hb_->face) == 0) fail(path_, "holds no glyphs");
    hb_->font = hb_font_create(hb_->face);
    hb_face_make_immutable(hb_->face);
    hb_font_make_immutable(hb_->font);

    metrics_.unitsPerEm = static_cast<int>(hb_face_get_upem(hb_->face));
    hb_position_t v = 0;
    if (hb_ot_metrics_get_position(hb_->font, HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER, &v)) metrics_.ascender = v;
    if (hb_ot_metrics_get_position(hb_->font, HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER, &v)) metrics_.descender = v;
    if (hb_ot_metrics_get_position(hb_->font, HB_OT_METRICS_TAG_CAP_HEIGHT, &v)) metrics_.capHeight = v;
    if (hb_ot_metrics_get_position(hb_->font, HB_OT_METRICS_TAG_UNDERLINE_SIZE, &v)) metrics_.underlineThickness = v;
    // The head table's box: xMin, yMin, xMax, yMax at bytes 36 to 43.
    hb_blob_t* head = hb_face_reference_table(hb_->face, HB_TAG('h', 'e', 'a', 'd'));
    unsigned length = 0;
    const char* data = hb_blob_get_data(head, &length);
    if (length >= 54) {
        metrics_.xMin = signedAt(data, 36);
        metrics_.yMin = signedAt(data, 38);
        metrics_.xMax = signedAt(data, 40);
        metrics_.yMax = signedAt(data, 42);
    }
    hb_blob_destroy(head);

    char name[128];
    unsigned size = sizeof name;
    if (hb_ot_name_get_utf8(hb_->face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name) > 0)
        postScriptName_.assign(name, size);
    std::erase_if(postScriptName_, [](char c) {
        return c <= ' ' || c > '~' || std::string_view("()<>[]{}/%#").find(c) != std::string_view::npos;
    });
    if (postScriptName_.empty()) postScriptName_ = "Face";
}

Typeface::~Typeface() = default;

std::optional<std::uint32_t> Typeface::glyph(char32_t codePoint) const {
    hb_codepoint_t g = 0;
    if (!hb_font_get_nominal_glyph(hb_->font, codePoint, &g) || g == 0) return std::nullopt;
    return g;
}

int Typeface::advance(std::uint32_t glyph) const { return hb_font_get_glyph_h_advance(hb_->font, glyph); }

FaceSubset Typeface::subset(const std::vector<std::uint32_t>& glyphs) const {
    hb_face_t* source = hb_->face;
    if (hb_->cuts.fetch_add(1, std::memory_order_relaxed) > 0) {
        std::call_once(hb_->preprocessOnce, [&] { hb_->preprocessed = hb_subset_preprocess(hb_->face); });
        if (hb_->preprocessed == nullptr) fail(path_, "could not be prepared for cutting: out of memory");
        source = hb_->preprocessed;
    }
    hb_subset_input_t* input = hb_subset_input_create_or_fail();
    if (input == nullptr) fail(path_, "could not be cut to the glyphs in use: out of memory");
    hb_set_t* keep = hb_subset_input_glyph_set(input);
    for (const std::uint32_t g : glyphs) hb_set_add(keep, g);
    hb_set_t* drop = hb_subset_input_set(input, HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* tag : kDroppedTables) hb_set_add(drop, hb_tag_from_string(tag, 4));
    hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_NO_HINTING);

    hb_subset_plan_t* plan = hb_subset_plan_create_or_fail(source, input);
    hb_subset_input_destroy(input);
    hb_face_t* cut = plan ? hb_subset_plan_execute_or_fail(plan) : nullptr;
    if (cut == nullptr) {
        hb_subset_plan_destroy(plan);
        fail(path_, "could not be cut to the glyphs in use");
    }
    FaceSubset subset;
    const hb_map_t* renumbered = hb_subset_plan_old_to_new_glyph_mapping(plan);
    for (const std::uint32_t g : glyphs) subset.glyphs.push_back(hb_map_get(renumbered, g));
    hb_blob_t* file = hb_face_reference_blob(cut);
    unsigned length = 0;
    const char* data = hb_blob_get_data(file, &length);
    subset.file.assign(data, length);
    hb_blob_destroy(file);
    hb_face_destroy(cut);
    hb_subset_plan_destroy(plan);
    return subset;
}

}  // namespace tellvane::pagewriter

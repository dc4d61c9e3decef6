// The functions of HarfBuzz the page writer calls, the library opened when a
// typeface is first read rather than with every run of a host: with GLib, PCRE2 and
// Graphite it cost every start of the tool about 3 ms, and runs that write no page
// (a record, a year's numbers) never need it.
#include "pagewriter/HarfBuzzOnDemand.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <string>

#include "common/Error.h"
#include "common/OnDemandLibrary.h"
#include "pagewriter/PageErrors.h"

namespace tellvane::pagewriter {
namespace {

void unavailable(const std::string& why) {
    throw Error(kOutputFailed, "HarfBuzz, which writes the typeface, cannot be loaded: " + why);
}

OnDemandLibrary harfbuzz(TELLVANE_HARFBUZZ_LIBRARY, unavailable);

}  // namespace
}  // namespace tellvane::pagewriter

using tellvane::pagewriter::harfbuzz;

// clang-format off
TELLVANE_ON_DEMAND(harfbuzz, hb_blob_t*, hb_blob_create_from_file_or_fail, (const char* file), (file))
TELLVANE_ON_DEMAND(harfbuzz, hb_blob_t*, hb_blob_create_or_fail,
                   (const char* data, unsigned int length, hb_memory_mode_t mode, void* user, hb_destroy_func_t destroy),
                   (data, length, mode, user, destroy))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_blob_destroy, (hb_blob_t* blob), (blob))
TELLVANE_ON_DEMAND(harfbuzz, const char*, hb_blob_get_data, (hb_blob_t* blob, unsigned int* length), (blob, length))
TELLVANE_ON_DEMAND(harfbuzz, hb_face_t*, hb_face_create, (hb_blob_t* blob, unsigned int index), (blob, index))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_face_destroy, (hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, unsigned int, hb_face_get_glyph_count, (const hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, unsigned int, hb_face_get_upem, (const hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_face_make_immutable, (hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, hb_blob_t*, hb_face_reference_blob, (hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, hb_blob_t*, hb_face_reference_table, (const hb_face_t* face, hb_tag_t tag), (face, tag))
TELLVANE_ON_DEMAND(harfbuzz, hb_font_t*, hb_font_create, (hb_face_t* face), (face))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_font_destroy, (hb_font_t* font), (font))
TELLVANE_ON_DEMAND(harfbuzz, hb_position_t, hb_font_get_glyph_h_advance, (hb_font_t* font, hb_codepoint_t glyph),
                   (font, glyph))
TELLVANE_ON_DEMAND(harfbuzz, hb_bool_t, hb_font_get_nominal_glyph,
                   (hb_font_t* font, hb_codepoint_t unicode, hb_codepoint_t* glyph), (font, unicode, glyph))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_font_make_immutable, (hb_font_t* font), (font))
TELLVANE_ON_DEMAND(harfbuzz, hb_codepoint_t, hb_map_get, (const hb_map_t* map, hb_codepoint_t key), (map, key))
TELLVANE_ON_DEMAND(harfbuzz, hb_bool_t, hb_ot_metrics_get_position,
                   (hb_font_t* font, hb_ot_metrics_tag_t tag, hb_position_t* position), (font, tag, position))
TELLVANE_ON_DEMAND(harfbuzz, unsigned int, hb_ot_name_get_utf8,
                   (hb_face_t* face, hb_ot_name_id_t id, hb_language_t language, unsigned int* size, char* text),
                   (face, id, language, size, text))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_set_add, (hb_set_t* set, hb_codepoint_t codepoint), (set, codepoint))
TELLVANE_ON_DEMAND(harfbuzz, hb_subset_input_t*, hb_subset_input_create_or_fail, (void), ())
TELLVANE_ON_DEMAND(harfbuzz, void, hb_subset_input_destroy, (hb_subset_input_t* input), (input))
TELLVANE_ON_DEMAND(harfbuzz, hb_set_t*, hb_subset_input_glyph_set, (hb_subset_input_t* input), (input))
TELLVANE_ON_DEMAND(harfbuzz, hb_set_t*, hb_subset_input_set, (hb_subset_input_t* input, hb_subset_sets_t set),
                   (input, set))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_subset_input_set_flags, (hb_subset_input_t* input, unsigned value), (input, value))
TELLVANE_ON_DEMAND(harfbuzz, hb_subset_plan_t*, hb_subset_plan_create_or_fail,
                   (hb_face_t* face, const hb_subset_input_t* input), (face, input))
TELLVANE_ON_DEMAND(harfbuzz, void, hb_subset_plan_destroy, (hb_subset_plan_t* plan), (plan))
TELLVANE_ON_DEMAND(harfbuzz, hb_face_t*, hb_subset_plan_execute_or_fail, (hb_subset_plan_t* plan), (plan))
TELLVANE_ON_DEMAND(harfbuzz, const hb_map_t*, hb_subset_plan_old_to_new_glyph_mapping, (const hb_subset_plan_t* plan),
                   (plan))
TELLVANE_ON_DEMAND(harfbuzz, hb_face_t*, hb_subset_preprocess, (hb_face_t* source), (source))
TELLVANE_ON_DEMAND(harfbuzz, hb_tag_t, hb_tag_from_string, (const char* text, int length), (text, length))
// clang-format on

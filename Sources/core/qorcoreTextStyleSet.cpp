#include "core/qorcoreTextStyleSet.h"

namespace qor {
namespace core {

TextCharStyleSet wrapTextCharStyleSet(aip::TextCharStyleSet* impl) { return TextCharStyleSet(impl); }
TextParaStyleSet wrapTextParaStyleSet(aip::TextParaStyleSet* impl) { return TextParaStyleSet(impl); }

}  // namespace core
}  // namespace qor

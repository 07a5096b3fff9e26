#include "text/system_fonts.h"

#include "text/guard.h"

namespace lodra::text {

const std::shared_ptr<const FaceIndex>& SystemFonts::index() const {
  std::call_once(built_, [this] {
    auto built = guard::guarded([this] {
      return FaceIndex::build(config_.installed(), config_.limits);
    });
    index_ = std::make_shared<const FaceIndex>(
        built ? std::move(*built) : FaceIndex::build({}, config_.limits));
  });
  return index_;
}

}  // namespace lodra::text

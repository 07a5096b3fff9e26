#include "draw/slots.h"

#include <algorithm>

namespace lodra::draw {

SlotLayout::SlotLayout(std::size_t categories, std::size_t members, double fraction,
                       double plot_width)
    : categories_(static_cast<double>(categories)) {
  const double count = static_cast<double>(std::max<std::size_t>(members, 1));
  share_ = fraction / categories_;
  gap_ = 2 / plot_width;
  width_ = (share_ - (count - 1) * gap_) / count;
  if (gap_ > width_) {
    width_ = share_ / count;
    gap_ = 0;
  }
}

Slot SlotLayout::slot(std::size_t category, std::size_t member) const {
  const double left = (static_cast<double>(category) + 0.5) / categories_ - share_ / 2 +
                      static_cast<double>(member) * (width_ + gap_);
  return {left, left + width_};
}

}  // namespace lodra::draw

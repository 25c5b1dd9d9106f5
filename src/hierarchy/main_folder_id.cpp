#include "hierarchy/main_folder_id.h"

#include <algorithm>
#include <cstring>

namespace mailfolder {

void MainFolderId::assign_from_first_line(std::string_view first_line)
{
    std::string_view id = first_line.substr(std::min(MAIN_FOLDER_ID_OFFSET, first_line.size()));
    std::size_t const comma = id.find(',');
    comma_missing_ = comma == std::string_view::npos && !first_line.empty();
    if (comma_missing_) {
        if (!id.empty() && id.back() == '\n')
            id.remove_suffix(1);
    } else {
        id = id.substr(0, comma);
    }
    truncated_ = id.size() > field_.size() - 1;
    length_ = std::min(id.size(), field_.size() - 1);
    field_.fill('\0');
    std::memcpy(field_.data(), id.data(), length_);

    shift_.fill(static_cast<unsigned char>(length_));
    for (std::size_t i = 0; i + 1 < length_; ++i)
        shift_[static_cast<unsigned char>(field_[i])] = static_cast<unsigned char>(length_ - 1 - i);
}

} // namespace mailfolder

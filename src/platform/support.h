#pragma once

namespace zorvel {

// Where failure messages ask users to report a fault.
inline constexpr const char* kSupportEmail = "support@zorvel.org";

} // namespace zorvel

#pragma once
// The pages the program opens: two shipped help pages and its author's two pages.
#include <QString>

#include "forms/desktop_services.h"

namespace curvana {

inline constexpr const char* kHelpPage = "index.htm";
inline constexpr const char* kMathLinksPage = "数学网页.htm";
inline constexpr const char* kHomePage = "home.htm";
inline constexpr const char* kCollectionPage = "collection.htm";
// The portal's name followed by "我的个人专辑".
inline constexpr const char* kCollectionMenuCaption = "中学数学园地我的个人专辑";

// The author's pages are shipped with the program as local pages.
inline QString authorPage(const char* page) { return helpPagePath(QString::fromUtf8(page)); }

} // namespace curvana

#pragma once

namespace palimora {

// The three kinds of page a site has: the contents page, the gallery pages
// and the picture pages. The page-design tabs, the steps and the sample
// pages of the preview all go by it.
enum class PageKind { Summary, Gallery, Picture };

}  // namespace palimora

#pragma once

// The windows that show and change the books: the child windows of the main
// window, and the forms registered as windows of the books. The backup window
// is none of them.
namespace BooksWindows {
bool anyOpen();
}

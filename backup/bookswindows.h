#pragma once

// The windows that show and change the books: the child windows of the main
// window. The backup window is none of them.
namespace BooksWindows {
bool anyOpen();
}

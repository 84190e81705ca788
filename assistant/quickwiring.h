#pragma once

namespace Teskarn {
class search;

// How the search bar reaches the quick panels.
namespace QuickPanels {
// The logo opens a panel (and unloads the other one); F1 opens slot 8.
void connectBar(search* bar);
// The bar's start-up refresh: each panel loads once and unloads unseen.
void refreshAtStart();
}
}

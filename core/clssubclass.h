#pragma once
#include "windowmessages.h"

#include <vector>

// One subclassed window: the procedure it had before and the chain of user
// procedures, in the order added and without duplicates. Places in the chain
// count from 1. An object that ends while it holds a window gives it back.
class clsSubClass {
public:
    clsSubClass() = default;
    ~clsSubClass();
    clsSubClass(const clsSubClass&) = delete;
    clsSubClass& operator=(const clsSubClass&) = delete;

    // This object on success (the procedure joins the chain), nullptr on failure.
    clsSubClass* CreateSubClass(WindowId window, WindowProcedure procedure);
    bool UnSubclassOne(WindowProcedure procedure);
    bool UnSubclassWhole();

    WindowId hwnd() const { return m_window; }
    WindowProcedure PrevWndProcAddr() const { return m_previous; }
    qint32 UserProcAddrsCount() const { return qint32(m_procedures.size()); }
    // nullptr for a place outside 1 ... UserProcAddrsCount().
    WindowProcedure UserProcAddr(qint32 place) const;

private:
    void addProcedure(WindowProcedure procedure);

    WindowId m_window = 0;
    WindowProcedure m_previous = nullptr;
    std::vector<WindowProcedure> m_procedures;
};

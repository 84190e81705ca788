#include "mdlsubclass.h"
#include "clshashlk.h"
#include "clssubclass.h"

#include <memory>

namespace {
struct Registry {
    // Place p holds objects[p - 1]; a released object leaves an empty place.
    std::vector<std::shared_ptr<clsSubClass>> objects;
    std::vector<qint32> freePlaces;
    clsHashLK subclassed; // window -> place
    clsHashLK givenUp;    // window -> the procedure that could not be restored

    std::shared_ptr<clsSubClass> objectAt(qintptr place) const
    {
        return place >= 1 && place <= qintptr(objects.size()) ? objects[size_t(place - 1)] : nullptr;
    }

    void release(qint32 place)
    {
        objects[size_t(place - 1)].reset();
        freePlaces.push_back(place);
    }
};

// Lives for the whole run: objects still holding windows at exit must not
// reach for the window table after it is gone.
Registry& registry()
{
    static Registry* const instance = new Registry;
    return *instance;
}
}

bool mdlSubClass::SubClassWnd(WindowId window, WindowProcedure procedure)
{
    Registry& r = registry();
    if (r.givenUp.IsKeyExist(window))
        return false;
    if (r.subclassed.IsKeyExist(window)) {
        const std::shared_ptr<clsSubClass> object = r.objectAt(r.subclassed.Item(window, false));
        return object && object->CreateSubClass(window, procedure) != nullptr;
    }
    return NewSubClass(window, procedure) != 0;
}

qint32 mdlSubClass::NewSubClass(WindowId window, WindowProcedure procedure)
{
    Registry& r = registry();
    // A second object on a held window would take the dispatcher for the
    // window's own procedure and loop.
    if (r.subclassed.IsKeyExist(window) || r.givenUp.IsKeyExist(window))
        return 0;
    qint32 place;
    if (!r.freePlaces.empty()) {
        place = r.freePlaces.back();
        r.freePlaces.pop_back();
    } else {
        r.objects.emplace_back();
        place = qint32(r.objects.size());
    }
    const auto object = std::make_shared<clsSubClass>();
    r.objects[size_t(place - 1)] = object;
    if (object->CreateSubClass(window, procedure) && r.subclassed.Add(place, window, 0, QString(), false))
        return place;
    r.release(place);
    return 0;
}

bool mdlSubClass::UnSubClassWnd(WindowId window, WindowProcedure procedure)
{
    Registry& r = registry();
    const qint32 place = qint32(r.subclassed.Item(window, false));
    const std::shared_ptr<clsSubClass> object = r.objectAt(place);
    if (!object)
        return false;
    const bool result = object->UnSubclassOne(procedure);
    if (object->UserProcAddrsCount() > 0)
        return result;
    if (!result)
        r.givenUp.Add(reinterpret_cast<qintptr>(object->PrevWndProcAddr()), window, 0, QString(), false);
    r.release(place);
    r.subclassed.Remove(window, false);
    return result;
}

bool mdlSubClass::IsWndSubClassed(WindowId window, bool& givenUp)
{
    const Registry& r = registry();
    givenUp = r.givenUp.IsKeyExist(window);
    return givenUp || r.subclassed.IsKeyExist(window);
}

// Position in the chain, place and result are locals, and the object is held
// for the call: a procedure may dispatch again or remove the subclass.
qint32 mdlSubClass::WindowProc(WindowId window, qint32 message, qint32 wParam, qint32 lParam)
{
    Registry& r = registry();
    const qintptr place = r.subclassed.Item(window, false);
    const std::shared_ptr<clsSubClass> object = r.objectAt(place);
    if (!object)
        return 0;
    qint32 result = Marker;
    const qint32 count = object->UserProcAddrsCount();
    for (qint32 i = 1; i <= count; ++i) {
        if (const WindowProcedure procedure = object->UserProcAddr(i)) {
            const qint32 answer = procedure(window, message, wParam, lParam);
            if (answer != Marker)
                result = answer;
        }
    }
    if (r.objectAt(place) != object || result != Marker)
        return result;
    const WindowProcedure previous = object->PrevWndProcAddr();
    return previous ? previous(window, message, wParam, lParam) : 0;
}

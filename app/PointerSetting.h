// A window's mouse-pointer setting as the logic sees it: 0 normal, 11 busy, 99 the custom picture.
#pragma once

class PointerSetting {
public:
    static constexpr int Default = 0;
    static constexpr int Busy = 11;
    static constexpr int Custom = 99;

    virtual ~PointerSetting() = default;
    virtual int MousePointer() const = 0;
    virtual void SetMousePointer(int value) = 0;
};

// Shows the busy pointer for as long as it lives, and the normal pointer after, also when the
// work in between fails.
class BusyPointer final {
public:
    explicit BusyPointer(PointerSetting& pointer) : pointer_(pointer) {
        pointer_.SetMousePointer(PointerSetting::Busy);
    }
    ~BusyPointer() { pointer_.SetMousePointer(PointerSetting::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    PointerSetting& pointer_;
};

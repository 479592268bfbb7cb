#pragma once

namespace platform {

/// One replaceable service: the program uses the real implementation, tests
/// install a double for as long as they need it.
template <class Interface> class ServiceSlot {
public:
    /// The installed double, or the real implementation when none is installed.
    static Interface& get() { return installed_ ? *installed_ : real(); }
    /// Installs a double; nullptr puts the real implementation back.
    static void install(Interface* service) { installed_ = service; }

private:
    static Interface& real();
    /// The double in force, or null while the real implementation serves.
    static inline Interface* installed_ = nullptr;
};

/// Installs a double for the lifetime of the guard.
template <class Interface> class ScopedService {
public:
    explicit ScopedService(Interface& service) { ServiceSlot<Interface>::install(&service); }
    ~ScopedService() { ServiceSlot<Interface>::install(nullptr); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;
};

} // namespace platform

#pragma once

#include "support/TempFolder.h"

#include <QString>

/// A real full disk: a small tmpfs mounted on a fresh folder, which fill() fills to the last
/// byte. Where mounting is refused, `refusal` says why and the test skips with it; a process
/// that holds the right to mount (root on the machine that runs the tests in CI) fails the
/// test instead, so that it never skips there.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();

    /// Why no disk could be mounted; empty once it is.
    QString refusal;
    /// The disk's root folder.
    const TempFolder& folder() const { return folder_; }
    /// Writes until the disk takes no more.
    void fill() const;

private:
    TempFolder folder_;
};

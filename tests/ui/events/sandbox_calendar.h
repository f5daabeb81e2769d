#pragma once

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "test_env.h"

#include <gtest/gtest.h>

namespace orvane::test {

// A calendar and its settings in a private home; every message is recorded and answered Yes.
class SandboxCalendar : public ::testing::Test {
protected:
    SandboxDirs sandbox;
    MessageRecorder messages{MessageAnswer::Yes};
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
};

} // namespace orvane::test

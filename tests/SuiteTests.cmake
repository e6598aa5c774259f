# One ctest test per GoogleTest suite: every suite runs in one process of its own. A process
# per test spent most of the run starting the sanitized binary again (over a second each, for
# some 1,600 tests); a suite's tests share their process as they do when the binary runs alone.
# The suites are listed when ctest starts, so a new suite needs no new configure.
#
#   ravlet_suite_tests(TARGET "VAR=value;...")

function(ravlet_suite_tests target environment)
    set(listing "${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake")
    file(GENERATE OUTPUT "${listing}" CONTENT "
set(binary \"$<TARGET_FILE:${target}>\")
execute_process(COMMAND \"\${binary}\" --gtest_list_tests
    OUTPUT_VARIABLE listed RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0)
    # A binary that cannot list its tests fails as a test of its own instead of vanishing.
    add_test(${target}_lists_its_tests \"\${binary}\" --gtest_list_tests)
    return()
endif()
string(REPLACE \"\\n\" \";\" lines \"\${listed}\")
foreach(line IN LISTS lines)
    # A suite's line starts in the first column and ends with its dot (a typed suite's
    # comment follows it).
    if(line MATCHES \"^([^ #][^ ]*)\\\\.( .*)?$\")
        set(suite \"\${CMAKE_MATCH_1}\")
        add_test(\"\${suite}\" \"\${binary}\" \"--gtest_filter=\${suite}.*\")
        set_tests_properties(\"\${suite}\" PROPERTIES ENVIRONMENT \"${environment}\")
    endif()
endforeach()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${listing}")
endfunction()

# The faults a bookkeeper meets, against the real program: Pellworth.exe started by the test
# with the demo server beside the run and qbsim.dll registered in the prefix.
set(faults_dir ${CMAKE_CURRENT_LIST_DIR})
pellworth_gtest(test_acceptance_faults
  SOURCES
    ${faults_dir}/FaultsFixture.cpp
    ${faults_dir}/FaultsTest.cpp
    ${PROJECT_SOURCE_DIR}/tests/server/DemoServer.cpp
  LIBS program_driver qbsim_engine qbsim_registered pellworth_server_connector ws2_32 shell32
  PROPERTIES RESOURCE_LOCK qbsim_registration)
target_compile_definitions(test_acceptance_faults PRIVATE
  PELLWORTH_EXE="$<TARGET_FILE:Pellworth>"
  DEMO_SETTINGS_EXE="$<TARGET_FILE:demo_settings>"
  DEMO_COMPANY_FILE="${PROJECT_SOURCE_DIR}/tools/qbsim/demo-company.json")
add_dependencies(test_acceptance_faults Pellworth demo_settings qbsim)
htmlengine_copy_beside(test_acceptance_faults)
add_custom_command(TARGET test_acceptance_faults POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:qbsim> $<TARGET_FILE_DIR:test_acceptance_faults>)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  # Only through the wrapper, which starts the demo server for the run.
  set_tests_properties(test_acceptance_faults PROPERTIES DISABLED TRUE)
  add_test(NAME test_acceptance_faults_live
           COMMAND ${PROJECT_SOURCE_DIR}/tests/server/with_demo_servers.py "plain=--data demo" --
                   ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:test_acceptance_faults>)
  set_tests_properties(test_acceptance_faults_live PROPERTIES TIMEOUT 300
    FAIL_REGULAR_EXPRESSION "wine: Unhandled|Running 0 tests from" FIXTURES_REQUIRED wine
    RESOURCE_LOCK qbsim_registration)
endif()

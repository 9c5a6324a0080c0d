// The entry point: one run, and the fatal condition's diagnostic and abort.
#include <memory>

#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "text/console_signals.hpp"
#include "text/error_stream.hpp"

int main() {
  vortelin::prepare_standard_streams();
  vortelin::install_console_signals();
  const auto run = std::make_unique<vortelin::Run>();
  try {
    return vortelin::execute(*run);
  } catch (const vortelin::FatalCondition& condition) {
    // Console lines written before the condition come first.
    run->console.close_quietly();
    vortelin::write_to_error_stream(vortelin::diagnostic_text(condition));
    vortelin::close_everything(*run);
    vortelin::end_process_abnormally();
  }
}

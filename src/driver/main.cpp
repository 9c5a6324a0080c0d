// The entry point: the help or version text when asked for, otherwise one run,
// and the abort that ends a fatal condition.
#include <cstddef>
#include <memory>
#include <span>

#include "driver/command_line.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "text/console_signals.hpp"

int main(int argc, char** argv) {
  vortelin::prepare_standard_streams();
  // A program may be started with no arguments at all, not even its name.
  const std::span<const char* const> arguments =
      argc > 1 ? std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1))
               : std::span<const char* const>();
  const vortelin::Request request = vortelin::request_of(arguments);
  if (request != vortelin::Request::run) return vortelin::answer_request(request);

  vortelin::install_console_signals();
  const auto run = std::make_unique<vortelin::Run>();
  try {
    return vortelin::execute(*run);
  } catch (const vortelin::FatalCondition& condition) {
    vortelin::finish_after_fatal(*run, condition);
    vortelin::end_process_abnormally();
  }
}

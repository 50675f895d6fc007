// SPDX-License-Identifier: MIT
// A page opened from disk may fetch nothing beside it, but it may run scripts: there the program
// comes as a script of its own (index.wasm.js, which sets Module.wasmBase64). Served, the page
// fetches index.wasm as it is.
if (location.protocol === 'file:') {
  Module.instantiateWasm = (imports, receiveInstance) => {
    const script = document.createElement('script');
    script.src = 'index.wasm.js';
    script.onload = () => {
      const bytes = Uint8Array.from(atob(Module.wasmBase64), c => c.charCodeAt(0));
      WebAssembly.instantiate(bytes, imports).then(result => receiveInstance(result.instance));
    };
    document.head.appendChild(script);
    return {}; // the exports come later, through receiveInstance
  };
}
